#include "FolderArchive.h"

#include "NewFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace arc {

namespace {

struct FolderArchiveTexts {
    Q_DECLARE_TR_FUNCTIONS(FolderArchive)
};

QString native(const QString &path) { return QDir::toNativeSeparators(path); }
QString lastError() { return QString::fromLocal8Bit(std::strerror(errno)); }
bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

const QString kPartSuffix = QStringLiteral(".part");

} // namespace

FolderArchive::FolderArchive(const QString &dataFolder) : m_folder(dataFolder + folderName() + QLatin1Char('/')) {}

FolderArchive::~FolderArchive()
{
    for (int lock : std::as_const(m_locks))
        NewFile::unlock(lock);
}

QString FolderArchive::location(const QString &name) const { return m_folder + name; }

bool FolderArchive::contains(const QString &name) const
{
    // A link counts as there even when it leads nowhere.
    const QFileInfo at(location(name));
    return at.exists() || at.isSymLink();
}

bool FolderArchive::stage(const QString &name, const QByteArray &bytes, QString *error)
{
    if (!QDir().mkpath(m_folder))
        return fail(error, FolderArchiveTexts::tr("the folder %1 cannot be made").arg(native(m_folder)));
    if (contains(name))
        return fail(error, FolderArchiveTexts::tr("%1 is already kept").arg(native(location(name))));
    // Written beside and put in place when whole and logged: a page cut
    // short by a full disk or a kill never stands under its name.
    QString why;
    int lock = -1;
    if (!NewFile::write(NewFile::partOf(location(name)), bytes, &why, &lock))
        return fail(error, FolderArchiveTexts::tr("%1 cannot be written: %2").arg(native(location(name)), why));
    m_locks.insert(name, lock);
    return true;
}

bool FolderArchive::publish(const QString &name, QString *error)
{
    const QByteArray part = QFile::encodeName(NewFile::partOf(location(name)));
    // A second name for the whole page: it replaces nothing and follows
    // no link that appeared at the name meanwhile.
    if (::link(part.constData(), QFile::encodeName(location(name)).constData()) != 0)
        return fail(error, FolderArchiveTexts::tr("%1 cannot be written: %2").arg(native(location(name)), lastError()));
    discard(name);
    return true;
}

void FolderArchive::discard(const QString &name)
{
    ::unlink(QFile::encodeName(NewFile::partOf(location(name))).constData());
    if (auto it = m_locks.find(name); it != m_locks.end()) {
        NewFile::unlock(*it);
        m_locks.erase(it);
    }
}

QByteArray FolderArchive::staged(const QString &name) const
{
    const QString part = NewFile::partOf(location(name));
    if (QFileInfo(part).isSymLink())
        return {};
    QFile file(part);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FolderArchive::leftStaged() const
{
    QStringList names;
    const QStringList parts =
        QDir(m_folder).entryList({QStringLiteral(".*") + kPartSuffix}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &part : parts) {
        const QString name = part.mid(1, part.size() - 1 - kPartSuffix.size());
        // A lock still held is a station at work on it.
        if (!name.isEmpty() && ownerGone(name))
            names << name;
    }
    return names;
}

bool FolderArchive::ownerGone(const QString &name) const
{
    return !m_locks.contains(name) && NewFile::abandoned(NewFile::partOf(location(name)));
}

QStringList FolderArchive::kept() const
{
    return QDir(m_folder).entryList(QDir::Files | QDir::System, QDir::Name);
}

void FolderArchive::remove(const QString &name)
{
    // The folder's permission is what counts; no link is followed to
    // change a file's.
    ::unlink(QFile::encodeName(location(name)).constData());
}

QByteArray FolderArchive::page(const QString &name) const
{
    QFile file(location(name));
    if (!contains(name) || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace arc
