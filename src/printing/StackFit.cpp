#include "StackFit.h"

#include "LineFit.h"
#include "PageFont.h"

#include <algorithm>
#include <cmath>

namespace arc {

namespace {

constexpr double kStackSizeStep = 0.05; // the smallest step a canvas takes

// The largest gap, up to `gap`, with which the stack fits; negative when
// it does not fit even without gaps.
double gapThatFits(const StackFit::Stack &stack, double gap, double height)
{
    const double spare = height - stack.parts;
    if (spare < 0)
        return -1;
    if (stack.gaps == 0)
        return gap;
    return std::min(gap, spare / stack.gaps);
}

} // namespace

StackFit StackFit::of(double size, double gap, double height, const Measure &measure)
{
    size = PageFont::takenSize(size);
    if (const double g = gapThatFits(measure(size), gap, height); g >= 0)
        return {size, g, true};

    // Sizes from one step below `size` down to the smallest, by steps;
    // taller stacks at larger sizes, so the largest that fits is found by
    // halving.
    const double smallest = std::min(size, PageFont::takenSize(LineFit::kMinSize));
    const int steps = static_cast<int>(std::lround((size - smallest) / kStackSizeStep));
    const auto sizeAt = [&](int step) { return PageFont::takenSize(size - step * kStackSizeStep); };
    if (steps == 0 || gapThatFits(measure(sizeAt(steps)), gap, height) < 0)
        return {smallest, 0, false};
    int tooTall = 0, fitting = steps;
    while (fitting - tooTall > 1) {
        const int mid = (tooTall + fitting) / 2;
        (gapThatFits(measure(sizeAt(mid)), gap, height) >= 0 ? fitting : tooTall) = mid;
    }
    return {sizeAt(fitting), gapThatFits(measure(sizeAt(fitting)), gap, height), true};
}

} // namespace arc
