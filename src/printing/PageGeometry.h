#pragma once

#include "PrintMode.h"

namespace arc {

// The named lines of the page in twips, for one mode and printable width.
// Products of a base figure and a factor are single precision, as every
// position derived from them.
struct PageGeometry {
    PageGeometry(const PrintMode &mode, double printableWidth, bool largeRemarks);

    float F, s;
    float textLimit; // the mode's
    // Vertical lines.
    float x0, x1, x2, c7, c8, c9, c10, c11, m, h, n, xR;
    // Horizontal lines.
    float y0, y1, y2, y3, y4, y5, y6, y7, y8, y9, y10;

    float X(float base) const { return base * F; }
    float Y(float base) const { return base * s; }

    // How far a text ends before the ruling at the right or below it: as
    // far as a label starts after the ruling at its left.
    float before(float ruling) const { return ruling - X(30); }
    float above(float ruling) const { return ruling - Y(30); }
};

} // namespace arc
