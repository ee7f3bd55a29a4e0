#include "FolderKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace arc {

namespace {

constexpr qint64 kMaxBytes = 1024 * 1024;

QString why() { return QString::fromLocal8Bit(std::strerror(errno)); }

} // namespace

FolderKeys::FolderKeys(const QString &dataFolder) : m_folder(dataFolder + QStringLiteral("Keys/")) {}

KeyStore::Found FolderKeys::read(const QString &entry, QByteArray &content, QString *error) const
{
    const QString path = fileOf(entry);
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno == ENOENT)
            return Found::No;
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(path, why());
        return Found::Failed;
    }
    // Only a plain file: a link could lead a key out of, or a stranger's in.
    if (!S_ISREG(status.st_mode) || status.st_size > kMaxBytes) {
        if (error)
            *error = QStringLiteral("%1 is not a key file").arg(path);
        return Found::Failed;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return Found::Failed;
    }
    content = file.readAll();
    return Found::Yes;
}

bool FolderKeys::write(const QString &entry, const QByteArray &content, QString *error)
{
    const QByteArray folder = QFile::encodeName(m_folder);
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) {
        if (error)
            *error = QStringLiteral("cannot make %1: %2").arg(m_folder, why());
        return false;
    }
    // A folder made by hand with wider rights is narrowed: the keys are
    // encrypted, but nobody else needs even that.
    ::chmod(folder.constData(), 0700);

    const QByteArray path = QFile::encodeName(fileOf(entry));
    const QByteArray temporary = path + ".new";
    ::unlink(temporary.constData());
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    bool written = fd >= 0;
    for (qsizetype done = 0; written && done < content.size();) {
        const ssize_t n = ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        done += n > 0 ? n : 0;
    }
    written = written && ::fsync(fd) == 0;
    const QString reason = why();
    if (fd >= 0)
        ::close(fd);
    if (!written || ::rename(temporary.constData(), path.constData()) != 0) {
        const QString failure = written ? why() : reason;
        ::unlink(temporary.constData());
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(fileOf(entry), failure);
        return false;
    }
    // The rename is kept only once the folder's entry reaches the disk.
    if (const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool FolderKeys::remove(const QString &entry, QString *error)
{
    if (::unlink(QFile::encodeName(fileOf(entry)).constData()) == 0 || errno == ENOENT)
        return true;
    if (error)
        *error = QStringLiteral("cannot remove %1: %2").arg(fileOf(entry), why());
    return false;
}

} // namespace arc
