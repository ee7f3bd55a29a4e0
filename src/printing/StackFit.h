#pragma once

#include <functional>

namespace arc {

// The font size and gap at which a stack of lines or rows fits a height:
// as designed when it fits; otherwise the gaps between its parts shrink,
// down to nothing, and then the size, down to LineFit::kMinSize.
struct StackFit {
    // A stack at one font size: the height of its parts, and the number of
    // gaps between them.
    struct Stack {
        double parts = 0;
        int gaps = 0;
    };
    using Measure = std::function<Stack(double size)>;
    // What a fitted stack may pass its height by, from rounding.
    static constexpr double kSlack = 0.01; // twips

    double size; // points, as a canvas takes them
    double gap;
    bool fits; // false: even the smallest size without gaps is too tall

    static StackFit of(double size, double gap, double height, const Measure &measure);
};

} // namespace arc
