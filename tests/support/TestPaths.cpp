#include "TestPaths.h"

#include <QDir>
#include <QFileInfo>

namespace test_paths {

QString program(const QString &name)
{
    static const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
    return folder + '/' + name;
}

QString source(const QString &relative)
{
    return QStringLiteral(ARC_SOURCE_DIR "/") + relative;
}

} // namespace test_paths
