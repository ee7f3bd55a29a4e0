#include "FillNewFiles.h"

#include "Schema.h"

#include <QFile>
#include <QFileInfo>

namespace arc {

DbStatus fillNewFiles(const QString &dataPath, const std::function<DbStatus()> &fill)
{
    QStringList made;
    for (StoreKind kind : {StoreKind::Certificates, StoreKind::Reference}) {
        const QString file = dataPath + Schema::fileName(kind);
        if (!QFileInfo::exists(file))
            made << file;
    }
    const DbStatus s = fill();
    if (!s.ok())
        for (const QString &file : made)
            QFile::remove(file);
    return s;
}

} // namespace arc
