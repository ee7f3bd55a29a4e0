#pragma once

#include <QString>

namespace arc {

class PageCanvas;

// How one line of text is drawn so that it is no wider than its room: as
// designed when it fits; otherwise condensed, down to kMinCondense, then
// in a smaller size, down to kMinSize; what still does not fit is cut
// after its last character that does. Trailing blanks take no room.
struct LineFit {
    static constexpr double kMinCondense = 0.8;
    static constexpr double kMinSize = 5; // points

    QString text; // shorter than asked when cut
    double size;  // points, as the canvas takes them
    bool bold;
    double condense = 1;
    bool cut = false;

    // Measured on `canvas`, which is left in the font the line is drawn in.
    static LineFit of(PageCanvas &canvas, const QString &text, double size, bool bold, double room);
};

} // namespace arc
