#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace arc::ProgramFolder {

QString locate()
{
    const QString own = QCoreApplication::applicationDirPath();
    if (QFileInfo(own).isWritable())
        return own;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString withSlash(const QString &folder)
{
    QString f = QDir::fromNativeSeparators(folder);
    return f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/');
}

} // namespace arc::ProgramFolder
