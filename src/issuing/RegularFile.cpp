#include "RegularFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace arc::RegularFile {

namespace {

struct RegularFileTexts {
    Q_DECLARE_TR_FUNCTIONS(RegularFile)
};

// Opened without waiting, and checked again once open: it may have been
// swapped for a FIFO in between. Anything but a regular file is refused
// before it is read.
bool openRegular(const QByteArray &path, QFile &file, qint64 &size, QString &error)
{
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) {
        error = qt_error_string(errno);
        return false;
    }
    const auto notRegular = [&] {
        error = S_ISDIR(st.st_mode) ? RegularFileTexts::tr("it is a folder") : RegularFileTexts::tr("it is not a regular file");
        return false;
    };
    if (!S_ISREG(st.st_mode))
        return notRegular();
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        error = qt_error_string(errno);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = file.errorString();
        return false;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return notRegular();
    size = st.st_size;
    return true;
}

} // namespace

std::optional<QByteArray> sha256(const QByteArray &path, QByteArray &bytes, qint64 keep, QString &error)
{
    QFile file;
    qint64 size = 0;
    if (!openRegular(path, file, size, error))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    bool whole = true;
    for (;;) {
        const qint64 n = file.read(chunk.data(), chunk.size());
        if (n < 0) {
            error = file.errorString();
            return std::nullopt;
        }
        if (n == 0) {
            if (!whole)
                bytes.clear();
            return hash.result();
        }
        hash.addData(QByteArrayView(chunk.constData(), n));
        whole = whole && bytes.size() + n <= keep;
        if (whole)
            bytes.append(chunk.constData(), n);
    }
}

std::optional<QByteArray> read(const QByteArray &path, qint64 most, QString &error)
{
    QFile file;
    qint64 size = 0;
    if (!openRegular(path, file, size, error))
        return std::nullopt;
    // Read one byte past the limit: a file that grew since is caught too.
    const QByteArray bytes = size > most ? QByteArray() : file.read(most + 1);
    if (size > most || bytes.size() > most) {
        error = RegularFileTexts::tr("it is larger than %1 bytes").arg(most);
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace arc::RegularFile
