#pragma once

#include "DataView.h"

namespace arc::DefaultsRows {

// The main row is the table's first row; the settings row is the first
// other row whose Country is "Custom". An authority typed as "Custom" in
// the main row therefore never makes the main row the settings row.
inline const QString kCustom = QStringLiteral("Custom");

// Stand on the main row; false when the table has none.
bool toMain(DataView &defaults);

// Stand on the settings row; false when there is none (the view then
// stands on the main row, or on nothing).
bool toCustom(DataView &defaults);

} // namespace arc::DefaultsRows
