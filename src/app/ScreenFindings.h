#pragma once

#include "Finding.h"

#include <QList>

namespace arc {

class DataFolder;
struct CertificateEntries;

// What the check before printing finds on the certificate on screen: the
// entries as typed, with what only the data source knows (whether another
// certificate holds its number, the shop's dual-release wording, whether
// the set-up asks for a digital signature on every PDF).
// `ownFormIndex` is the certificate's own key, 0 for a new one;
// `signingCertificate` whether the signatory signing holds one.
QList<Finding> screenFindings(DataFolder &folder, const CertificateEntries &entries, qint64 ownFormIndex,
                              bool signingCertificate);

} // namespace arc
