#pragma once

#include "PageCanvas.h"

#include <QString>
#include <optional>

namespace arc {

// The three layouts of the page: orientation, the horizontal and vertical
// factors every position is scaled by, and the five font sizes in points.
struct PrintMode {
    enum class Name { P0, P1, LS };

    Name name;
    PageCanvas::Orientation orientation;
    float F; // horizontal factor
    float s; // vertical factor
    double label, body, value, title, instruction;

    // From the User1 setting: none gives P0, a number above 1 LS (as the
    // set-up panel shows it), anything else P1.
    static PrintMode forSetting(const std::optional<QString> &user1);
    static PrintMode of(Name name);
};

} // namespace arc
