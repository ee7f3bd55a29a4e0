#include "FolderArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace arc {

namespace {

QString native(const QString &path) { return QDir::toNativeSeparators(path); }
QString lastError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Written whole under a name of its own that nothing stood at: never
// through a link, never into a pipe or device someone left there.
bool writeNew(const QString &path, const QByteArray &bytes, QString *why)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
    if (fd < 0) {
        *why = lastError();
        return false;
    }
    QFile file;
    bool written = file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) && file.write(bytes) == bytes.size()
                   && file.flush();
    // Kept pages are read, not edited.
    written = written && ::fsync(fd) == 0 && ::fchmod(fd, S_IRUSR | S_IRGRP | S_IROTH) == 0;
    if (!written)
        *why = file.error() != QFileDevice::NoError ? file.errorString() : lastError();
    file.close();
    if (!written)
        ::unlink(QFile::encodeName(path).constData());
    return written;
}

} // namespace

FolderArchive::FolderArchive(const QString &dataFolder) : m_folder(dataFolder + folderName() + QLatin1Char('/')) {}

QString FolderArchive::location(const QString &name) const { return m_folder + name; }

bool FolderArchive::contains(const QString &name) const
{
    // A link counts as there even when it leads nowhere.
    const QFileInfo at(location(name));
    return at.exists() || at.isSymLink();
}

QString FolderArchive::partName(const QString &name) { return QLatin1Char('.') + name + QStringLiteral(".part"); }

bool FolderArchive::write(const QString &name, const QByteArray &bytes, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!QDir().mkpath(m_folder))
        return fail(QStringLiteral("the folder %1 cannot be made").arg(native(m_folder)));
    if (contains(name))
        return fail(QStringLiteral("%1 is already kept").arg(native(location(name))));
    // Written beside and put in place when whole: a page cut short by a
    // full disk never stands under its name.
    const QString part = location(partName(name));
    QString why;
    if (!writeNew(part, bytes, &why))
        return fail(QStringLiteral("%1 cannot be written: %2").arg(native(location(name)), why));
    // A second name for the whole page: it replaces nothing and follows
    // no link that appeared at the name meanwhile.
    const bool placed = ::link(QFile::encodeName(part).constData(), QFile::encodeName(location(name)).constData()) == 0;
    if (!placed)
        why = lastError();
    ::unlink(QFile::encodeName(part).constData());
    if (!placed)
        return fail(QStringLiteral("%1 cannot be written: %2").arg(native(location(name)), why));
    return true;
}

void FolderArchive::remove(const QString &name)
{
    // The folder's permission is what counts; no link is followed to
    // change a file's.
    ::unlink(QFile::encodeName(location(name)).constData());
}

} // namespace arc
