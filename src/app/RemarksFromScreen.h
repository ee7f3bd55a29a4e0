#pragma once

#include "DbStatus.h"
#include "RemarksInputs.h"

namespace arc {

class CertificateScreen;
class DataFolder;
struct ItemLine;

// What the remarks builder composes block 12 from: the line the cursor is
// on, the export choice, the organisation, the defaults and the statements
// the shop keeps (read each time, so a statement just saved is used next).
// The statements are the shop's wording of legal text: when they cannot be
// read, `status` says why and nothing is to be composed from them.
// `ownFormIndex` is the stored certificate on screen, 0 for a new one.
RemarksInputs remarksFromScreen(const CertificateScreen &screen, const ItemLine &line, qint64 ownFormIndex,
                                DataFolder &folder, DbStatus &status);

} // namespace arc
