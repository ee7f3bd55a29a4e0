#pragma once

#include "RemarksInputs.h"

namespace arc {

class CertificateScreen;
class DataFolder;
struct ItemLine;

// What the remarks builder composes block 12 from: the line the cursor is
// on, the export choice, the organisation, the defaults and the statements
// the shop keeps (read each time, so a statement just saved is used next).
RemarksInputs remarksFromScreen(const CertificateScreen &screen, const ItemLine &line, DataFolder &folder);

} // namespace arc
