#pragma once

#include <QStringList>

namespace arc {

class DataFolder;
struct CertificateEntries;

// What the check before printing finds on the certificate on screen: the
// entries as typed, with what only the data source knows (whether another
// certificate holds its number, the shop's dual-release wording).
// `ownFormIndex` is the certificate's own key, 0 for a new one.
QStringList screenFindings(DataFolder &folder, const CertificateEntries &entries, qint64 ownFormIndex);

} // namespace arc
