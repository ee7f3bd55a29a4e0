#include "DefaultsRows.h"

namespace arc::DefaultsRows {

bool toMain(DataView &defaults) { return defaults.moveFirst().ok() && defaults.hasRow(); }

bool toCustom(DataView &defaults)
{
    if (!toMain(defaults))
        return false;
    const qint64 main = defaults.rowId();
    const DbStatus s = defaults.findNext(QStringLiteral("\"Country\" = ?"), {kCustom});
    if (s.ok() && !defaults.noMatch() && defaults.hasRow() && defaults.rowId() != main)
        return true;
    toMain(defaults);
    return false;
}

} // namespace arc::DefaultsRows
