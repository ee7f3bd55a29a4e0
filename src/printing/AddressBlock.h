#pragma once

#include <QStringList>
#include <array>

namespace arc {

class PageCanvas;

// Block 4's two columns, each broken by character count, their lines one
// under the other at the designed pitch; when the longer column would
// reach the ruling below, the gap between lines and then the size shrink
// until it fits. What even the smallest size cannot hold is left out.
struct AddressBlock {
    std::array<QStringList, 2> columns;
    double size;  // points
    double pitch; // from one line's top to the next
    bool overflow = false;

    // Measured on `canvas`, which is left in the block's font.
    static AddressBlock of(PageCanvas &canvas, const QString &left, const QString &right, double size, double pitch,
                           double height);
};

} // namespace arc
