#include "RunFolder.h"

#include <QDir>
#include <QRegularExpression>

namespace arc::RunFolder {

namespace {

// A tracking number as a file name: what a file system may refuse or read
// as a path becomes "_".
QString fileName(const QString &tracking)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    return QString(tracking.trimmed()).replace(unsafe, QStringLiteral("_"));
}

} // namespace

QString certificateFile(const QString &folder, const QString &tracking, qint64 formIndex)
{
    const QString name = fileName(tracking);
    return QDir(folder).filePath((name.isEmpty() || name.startsWith(QLatin1Char('.'))
                                      ? QStringLiteral("certificate-%1").arg(formIndex)
                                      : name)
                                 + QStringLiteral(".pdf"));
}

QString overviewFile(const QString &folder, const QString &firstTracking, const QString &lastTracking)
{
    const QString first = fileName(firstTracking), last = fileName(lastTracking);
    const QString run = first == last ? first : first + QLatin1Char('-') + last;
    return QDir(folder).filePath((run.isEmpty() ? QStringLiteral("run") : run) + QStringLiteral("-unsigned-overview.pdf"));
}

} // namespace arc::RunFolder
