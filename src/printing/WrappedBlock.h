#pragma once

#include <QStringList>

namespace arc {

class PageCanvas;

// A multi-line value wrapped to its column, at most ten lines, in a size
// that lets it fit the height below its first line (blocks 5 and 12).
struct WrappedBlock {
    static constexpr int kMaxLines = 10;

    QStringList lines; // what is printed, one under the other
    double size;       // points
    bool cutToTen = false; // the value had more than ten lines
    bool overflow = false; // lines left out that even the smallest size could not hold

    // The lines of a value in the canvas's font: wrapped to `width`, each
    // cut at `fetchLimit` characters, only the first ten.
    static QStringList cellLines(const PageCanvas &canvas, const QString &value, double width, int fetchLimit,
                                 bool *cutToTen = nullptr);

    // Measured on `canvas`, which is left in the block's font.
    static WrappedBlock of(PageCanvas &canvas, const QString &value, double size, double width, int fetchLimit,
                           double height);
};

} // namespace arc
