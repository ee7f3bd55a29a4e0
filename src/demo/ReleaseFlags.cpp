#include "ReleaseFlags.h"

namespace arc {

ReleaseFlags ReleaseFlags::forStatus(const QString &status, bool otherRegulation)
{
    ReleaseFlags f;
    const QString s = status.toUpper();
    if (s == QLatin1String("NEW"))
        f.approvedDesign = true;
    else if (s == QLatin1String("PROTOTYPE"))
        f.nonApprovedDesign = true;
    else if (otherRegulation)
        f.otherRegulation = true;
    else
        f.cfrReturnToService = true;
    return f;
}

} // namespace arc
