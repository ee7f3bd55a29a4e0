#include "FolderSignatures.h"

#include "SignatureName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace arc {

QString FolderSignatures::resolve(const QString &name) const
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name == QLatin1String(".") || name == QLatin1String(".."))
        return {};

    // Canonical paths on both sides: a link is judged by where it leads.
    const QString folder = QFileInfo(m_folder).canonicalFilePath();
    const QString path = QFileInfo(QDir(m_folder).filePath(name)).canonicalFilePath();
    if (folder.isEmpty() || path.isEmpty() || QFileInfo(path).path() != folder)
        return {};

    // stat, not open: opening a FIFO for reading waits for a writer.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode)
        || status.st_size > maxBytes)
        return {};
    return path;
}

namespace {

struct FolderSignaturesTexts {
    Q_DECLARE_TR_FUNCTIONS(FolderSignatures)
};

QStringList patterns()
{
    QStringList out;
    for (const QString &ending : signatureEndings())
        out << QLatin1Char('*') + ending;
    return out;
}

} // namespace

QStringList FolderSignatures::names() const
{
    // QDir::Files still lists a link to a pipe or to a file outside the
    // folder: only what read() gives is offered.
    QStringList out;
    for (const QString &name :
         QDir(m_folder).entryList(patterns(), QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (!resolve(name).isEmpty())
            out << name;
    return out;
}

QByteArray FolderSignatures::read(const QString &name) const
{
    const QString path = resolve(name);
    if (path.isEmpty())
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SignatureStore::Added FolderSignatures::add(const QString &name, const QByteArray &content, QString *error)
{
    const QString path = m_folder + name;
    if (QFileInfo::exists(path))
        return Added::NameTaken;
    // NewOnly: a file made meanwhile under that name is not overwritten.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(content) != content.size()
        || !file.flush()) {
        if (error)
            *error = FolderSignaturesTexts::tr("cannot write %1: %2").arg(path, file.errorString());
        const bool made = file.isOpen();
        file.close();
        if (made)
            file.remove();
        return Added::Failed;
    }
    return Added::Yes;
}

} // namespace arc
