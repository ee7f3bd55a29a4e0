#include "NewFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace arc::NewFile {

namespace {
QString lastSystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }
} // namespace

bool write(const QString &path, const QByteArray &bytes, QString *why, int *lock)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
    if (fd < 0) {
        *why = lastSystemError();
        return false;
    }
    bool written = !lock || ::flock(fd, LOCK_EX) == 0;
    QFile file;
    written = written && file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)
              && file.write(bytes) == bytes.size() && file.flush();
    // Kept pages are read, not edited.
    written = written && ::fsync(fd) == 0 && ::fchmod(fd, S_IRUSR | S_IRGRP | S_IROTH) == 0;
    if (!written)
        *why = file.error() != QFileDevice::NoError ? file.errorString() : lastSystemError();
    file.close();
    if (!written || !lock) {
        if (!written)
            ::unlink(name.constData());
        ::close(fd);
        return written;
    }
    *lock = fd;
    return true;
}

void unlock(int &lock)
{
    if (lock >= 0)
        ::close(lock);
    lock = -1;
}

bool abandoned(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    const bool gone = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return gone;
}

QString partOf(const QString &path)
{
    const QFileInfo at(path);
    return at.path() + QStringLiteral("/.") + at.fileName() + QStringLiteral(".part");
}

} // namespace arc::NewFile
