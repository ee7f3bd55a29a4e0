#pragma once

#include "DbStatus.h"

#include <QString>

namespace arc {

class Database;

namespace PrototypeReleases {

// Whether a certificate other than the one keyed `exceptFormIndex` released
// this item (part and serial number, blanks around them and letter case
// aside) as "PROTOTYPE". An item without a serial number ("N/A" or blank)
// is no one item and never was. False, with `status` saying why, when the
// store could not be asked.
bool released(const Database &certificates, const QString &partNum, const QString &serialNum, qint64 exceptFormIndex,
              DbStatus &status);

} // namespace PrototypeReleases
} // namespace arc
