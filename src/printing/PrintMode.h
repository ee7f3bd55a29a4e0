#pragma once

#include "PageCanvas.h"

#include <QString>
#include <optional>

namespace arc {

// The three layouts of the page: orientation, the horizontal and vertical
// factors every position is scaled by, and the five font sizes in points.
struct PrintMode {
    // P0 and P1 upright, LS on its side; Wide on its side across the whole
    // sheet, for the forms printed only so.
    enum class Name { P0, P1, LS, Wide };

    // The printable area of Letter upright, in twips: the sheet P0 is
    // drawn for.
    static constexpr double kUprightWidth = 11520;
    static constexpr double kUprightHeight = 15120;

    Name name;
    PageCanvas::Orientation orientation;
    float F; // horizontal factor
    float s; // vertical factor
    double label, body, value, title, instruction;
    // How far block 12 and the instructions run at most, in twips.
    float textLimit;

    // From the User1 setting: none gives P0, a number above 1 LS (as the
    // set-up panel shows it), anything else P1.
    static PrintMode forSetting(const std::optional<QString> &user1);
    static PrintMode of(Name name);
    // The Wide layout of a page drawn `width` twips wide: P0's fonts, its
    // vertical factor, and its horizontal one stretched from the width P0
    // is drawn at on Letter to `width`, so that every margin and column
    // keeps its share of the width.
    static PrintMode wide(double width);
};

} // namespace arc
