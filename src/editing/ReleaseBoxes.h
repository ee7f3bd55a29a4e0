#pragma once

namespace arc::ReleaseBoxes {

// The four boxes of blocks 13a and 14a.
struct Ticks {
    bool approvedDesign = false;    // 13a "Approved design"
    bool nonApprovedDesign = false; // 13a "Non-approved design"
    bool returnToService = false;   // 14a "14 CFR 43.9 Return to Svs"
    bool otherRegulation = false;   // 14a "Other reg specified in 12"
    bool operator==(const Ticks &) const = default;
};

enum class Box { ApprovedDesign, NonApprovedDesign, ReturnToService, OtherRegulation };

struct Outcome {
    Ticks ticks;
    bool rebuildRemarks = false; // "Other regulation" ticked or unticked, or both 14a boxes ticked
};

// The boxes after the user clicked `box` (whose new state `ticks` already
// holds). A 13a tick clears the other 13a box and both 14a boxes; a 14a
// tick clears both 13a boxes, and the two 14a boxes may stand together.
// Unticking changes nothing else.
Outcome afterClick(Ticks ticks, Box box);

} // namespace arc::ReleaseBoxes
