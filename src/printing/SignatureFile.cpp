#include "SignatureFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace arc {

SignatureFile::Resolved SignatureFile::resolve(const QString &dataFolder, const QString &fileName)
{
    if (fileName.isEmpty())
        return {{}, Refusal::EmptyName};
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\'))
        || fileName == QLatin1String(".") || fileName == QLatin1String(".."))
        return {{}, Refusal::NotABareName};

    // Canonical paths on both sides: a link is judged by where it leads.
    const QString folder = QFileInfo(dataFolder).canonicalFilePath();
    const QString path = QFileInfo(QDir(dataFolder).filePath(fileName)).canonicalFilePath();
    if (folder.isEmpty() || path.isEmpty())
        return {{}, Refusal::Missing};
    if (QFileInfo(path).path() != folder)
        return {{}, Refusal::OutsideFolder};

    // stat, not open: opening a FIFO for reading waits for a writer.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {{}, Refusal::Missing};
    if (!S_ISREG(status.st_mode))
        return {{}, Refusal::NotARegularFile};
    if (status.st_size > maxBytes)
        return {{}, Refusal::TooLarge};
    return {path, Refusal::None};
}

} // namespace arc
