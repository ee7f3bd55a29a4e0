#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace arc::ProgramFolder {

ProgramFolders locate()
{
    const QString own = withSlash(QCoreApplication::applicationDirPath());
    const QString perUser = withSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // access() asks the system itself, so a read-only mount counts too.
    const bool writable = ::access(QFile::encodeName(own).constData(), W_OK) == 0;
    return ProgramFolders(own, perUser, writable);
}

QString withSlash(const QString &folder)
{
    QString f = QDir::fromNativeSeparators(folder);
    return f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/');
}

} // namespace arc::ProgramFolder
