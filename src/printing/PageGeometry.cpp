#include "PageGeometry.h"

namespace arc {

PageGeometry::PageGeometry(const PrintMode &mode, double printableWidth, bool largeRemarks)
    : F(mode.F), s(mode.s), textLimit(mode.textLimit)
{
    x0 = X(200);
    x1 = X(2650);
    x2 = X(8450);
    c7 = X(700);
    c8 = X(3300);
    c9 = X(5950);
    c10 = X(6650);
    c11 = X(9000);
    m = X(3600);
    h = X(5600);
    n = X(9000);
    xR = static_cast<float>(printableWidth) - 5.0f;

    y0 = Y(10);
    y1 = Y(1300);
    y2 = Y(2500);
    y3 = Y(2800);
    y4 = Y(largeRemarks ? 5000 : 7000);
    y5 = Y(9300);
    y6 = Y(11000);
    y7 = Y(11800);
    y8 = Y(12600);
    y9 = Y(13000);
    y10 = Y(14000);
}

} // namespace arc
