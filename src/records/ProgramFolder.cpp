#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace arc::ProgramFolder {

ProgramFolders locate() { return locate(QCoreApplication::applicationDirPath()); }

ProgramFolders locate(const QString &executableFolder)
{
    const QString own = withSlash(executableFolder);
    const QString perUser = withSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // access() asks the system itself, so a read-only mount counts too.
    const bool writable = !isSystemFolder(own) && ::access(QFile::encodeName(own).constData(), W_OK) == 0;
    return ProgramFolders(own, perUser, writable);
}

bool isSystemFolder(const QString &folder)
{
    const QString f = withSlash(QDir::cleanPath(folder));
    for (const char *system : {"/usr/", "/opt/", "/bin/", "/sbin/", "/snap/"})
        if (f.startsWith(QLatin1String(system)))
            return true;
    return false;
}

QString withSlash(const QString &folder)
{
    QString f = QDir::fromNativeSeparators(folder);
    return f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/');
}

} // namespace arc::ProgramFolder
