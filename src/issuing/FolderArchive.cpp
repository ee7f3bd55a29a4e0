#include "FolderArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace arc {

FolderArchive::FolderArchive(const QString &dataFolder) : m_folder(dataFolder + folderName() + QLatin1Char('/')) {}

QString FolderArchive::location(const QString &name) const { return m_folder + name; }

bool FolderArchive::contains(const QString &name) const { return QFileInfo::exists(location(name)); }

bool FolderArchive::write(const QString &name, const QByteArray &bytes, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!QDir().mkpath(m_folder))
        return fail(QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(m_folder)));
    if (contains(name))
        return fail(QStringLiteral("%1 is already kept").arg(QDir::toNativeSeparators(location(name))));
    // Written beside and renamed when whole: a page cut short by a full
    // disk never stands under its name.
    QSaveFile file(location(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(QStringLiteral("%1 cannot be written: %2")
                        .arg(QDir::toNativeSeparators(location(name)), file.errorString()));
    // Kept pages are read, not edited.
    QFile::setPermissions(location(name), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}

void FolderArchive::remove(const QString &name)
{
    QFile::setPermissions(location(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(location(name));
}

} // namespace arc
