#include "FolderKeys.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace arc {

namespace {

struct FolderKeysTexts {
    Q_DECLARE_TR_FUNCTIONS(FolderKeys)
};

constexpr qint64 kMaxBytes = 1024 * 1024;
// The owner writes; the data folder's group enters and reads; new files
// in the folder take its group.
constexpr mode_t kFolderMode = 02750;
constexpr mode_t kFileMode = 0640;

QString why(int error = errno) { return QString::fromLocal8Bit(std::strerror(error)); }

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

} // namespace

FolderKeys::FolderKeys(const QString &dataFolder)
    : m_dataFolder(dataFolder), m_folder(dataFolder + QStringLiteral("Keys/"))
{
}

QString FolderKeys::account()
{
    // The account file permissions are checked for (setfsuid with an
    // impossible id changes nothing and tells it).
    const uid_t uid = uid_t(::setfsuid(uid_t(-1)));
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
        return QString::fromLocal8Bit(found->pw_name);
    return FolderKeysTexts::tr("uid %1").arg(uid);
}

KeyStore::Found FolderKeys::read(const QString &entry, QByteArray &content, KeyStoreFailure &failure) const
{
    const QString path = fileOf(entry);
    // Only a plain file: a link could lead a key out of, or a stranger's in.
    const int fd = ::open(encoded(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return Found::No;
        if (error == EACCES || error == EPERM) {
            // The folder that may not be entered, or else the file.
            const bool folderShut = ::faccessat(AT_FDCWD, encoded(m_folder).constData(), X_OK, AT_EACCESS) != 0;
            const QString refused = folderShut ? m_folder : path;
            failure = {KeyStoreFailure::Cause::Denied,
                       FolderKeysTexts::tr("the account %1 may not read %2").arg(account(), refused), refused, account()};
        } else if (error == ELOOP) {
            failure = {KeyStoreFailure::Cause::Damaged, FolderKeysTexts::tr("%1 is not a key file").arg(path), {}, {}};
        } else {
            failure = {KeyStoreFailure::Cause::Unreadable, FolderKeysTexts::tr("cannot read %1: %2").arg(path, why(error)),
                       {}, {}};
        }
        return Found::Failed;
    }
    struct stat status {};
    bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kMaxBytes;
    if (!ok) {
        ::close(fd);
        failure = {KeyStoreFailure::Cause::Damaged, FolderKeysTexts::tr("%1 is not a key file").arg(path), {}, {}};
        return Found::Failed;
    }
    content.resize(qsizetype(status.st_size));
    qsizetype done = 0;
    while (ok && done < content.size()) {
        const ssize_t n = ::read(fd, content.data() + done, size_t(content.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        done += ok ? n : 0;
    }
    const int error = errno;
    ::close(fd);
    if (!ok) {
        failure = {KeyStoreFailure::Cause::Unreadable, FolderKeysTexts::tr("cannot read %1: %2").arg(path, why(error)), {},
                   {}};
        return Found::Failed;
    }
    return Found::Yes;
}

bool FolderKeys::prepareFolder(QString *error) const
{
    const QByteArray folder = encoded(m_folder);
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) {
        if (error)
            *error = FolderKeysTexts::tr("cannot make %1: %2").arg(m_folder, why());
        return false;
    }
    // The data folder's group, so that every account that may use the
    // folder opens its own signatory's key. Only the folder's owner (or a
    // member of the group) can set them: for anyone else they stay as they are.
    struct stat data {};
    if (::stat(encoded(m_dataFolder).constData(), &data) == 0)
        (void)::chown(folder.constData(), uid_t(-1), data.st_gid);
    (void)::chmod(folder.constData(), kFolderMode);
    return true;
}

bool FolderKeys::write(const QString &entry, const QByteArray &content, QString *error)
{
    if (!prepareFolder(error))
        return false;
    const QByteArray path = encoded(fileOf(entry));
    const QByteArray temporary = path + ".new";
    ::unlink(temporary.constData());
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode);
    struct stat folder {};
    bool written = fd >= 0;
    // The folder's group, whatever the umask and the account's own group.
    if (written && ::stat(encoded(m_folder).constData(), &folder) == 0)
        (void)::fchown(fd, uid_t(-1), folder.st_gid);
    written = written && ::fchmod(fd, kFileMode) == 0;
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
            *error = FolderKeysTexts::tr("cannot write %1: %2").arg(fileOf(entry), failure);
        return false;
    }
    // The rename is kept only once the folder's entry reaches the disk.
    if (const int dir = ::open(encoded(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool FolderKeys::remove(const QString &entry, QString *error)
{
    if (::unlink(encoded(fileOf(entry)).constData()) == 0 || errno == ENOENT)
        return true;
    if (error)
        *error = FolderKeysTexts::tr("cannot remove %1: %2").arg(fileOf(entry), why());
    return false;
}

} // namespace arc
