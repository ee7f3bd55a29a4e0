#pragma once

#include <QString>

namespace arc {

// Where a run of certificates written to PDF goes in the folder the user
// chose: one file per certificate, named by its tracking number, and the
// combined file of every page, which is no signed document.
namespace RunFolder {

QString certificateFile(const QString &folder, const QString &tracking, qint64 formIndex);
QString overviewFile(const QString &folder, const QString &firstTracking, const QString &lastTracking);

} // namespace RunFolder

} // namespace arc
