#include "FileSwap.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace arc::FileSwap {

namespace {

struct FileSwapTexts {
    Q_DECLARE_TR_FUNCTIONS(FileSwap)
};

} // namespace

QString temporaryName(const QString &target) { return target + QStringLiteral(".new"); }

void discard(const QString &path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

DbStatus moveIntoPlace(const QString &from, const QString &target)
{
    if (!QFile::rename(from, target))
        return DbStatus::failure(DbCondition::Other, FileSwapTexts::tr("%1 could not be moved into place").arg(target));
    // The new name is only safe on disk once its folder is.
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    if (const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY); fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return {};
}

} // namespace arc::FileSwap
