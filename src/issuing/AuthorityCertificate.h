#pragma once

#include <QByteArray>
#include <QString>

namespace arc {

// The shop authority's certificate (PEM) as a data source keeps it beside
// its signing keys: in a data folder's Keys folder, in a server database's
// Files table. Read here, and only the certificate, so that checking a
// file needs none of the code that opens keys. Empty when none is kept;
// empty with `error` set when it cannot be read.
QByteArray authorityCertificateOf(const QString &dataSource, QString *error);

} // namespace arc
