#include "ReleaseBoxes.h"

namespace arc::ReleaseBoxes {

Outcome afterClick(Ticks t, Box box)
{
    Outcome out{t, false};
    Ticks &n = out.ticks;
    switch (box) {
    case Box::ApprovedDesign:
        if (t.approvedDesign)
            n.nonApprovedDesign = n.returnToService = n.otherRegulation = false;
        break;
    case Box::NonApprovedDesign:
        if (t.nonApprovedDesign)
            n.approvedDesign = n.returnToService = n.otherRegulation = false;
        break;
    case Box::ReturnToService:
    case Box::OtherRegulation:
        if (box == Box::ReturnToService ? t.returnToService : t.otherRegulation) {
            n.approvedDesign = n.nonApprovedDesign = false;
            out.rebuildRemarks = n.returnToService && n.otherRegulation;
        }
        // The dual-release statement follows its box both ways.
        out.rebuildRemarks = out.rebuildRemarks || box == Box::OtherRegulation;
        break;
    }
    return out;
}

} // namespace arc::ReleaseBoxes
