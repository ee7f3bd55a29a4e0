// The pure fitting rules the page is laid out with: the page onto the
// sheet.

#include "PrintFixtures.h"
#include "SheetFit.h"

namespace {

TEST(SheetFitTest, OnlyAPageLargerThanTheSheetIsShrunkAndCentred)
{
    // Letter upright holds the page as it is.
    EXPECT_EQ(arc::SheetFit::of({11520, 14200}, {11520, 15120}), arc::SheetFit{});
    // On its side the page is too high: shrunk by height, centred across.
    const arc::SheetFit side = arc::SheetFit::of({15120, 17000}, {15120, 11520});
    EXPECT_DOUBLE_EQ(side.scale, 11520.0 / 17000);
    EXPECT_DOUBLE_EQ(side.dy, 0);
    EXPECT_DOUBLE_EQ(side.dx, (15120 - 15120 * side.scale) / 2);
    // Too wide: shrunk by width, centred down.
    const arc::SheetFit wide = arc::SheetFit::of({20000, 10000}, {10000, 10000});
    EXPECT_DOUBLE_EQ(wide.scale, 0.5);
    EXPECT_DOUBLE_EQ(wide.dx, 0);
    EXPECT_DOUBLE_EQ(wide.dy, 2500);
    EXPECT_EQ(wide.map(QRectF(0, 0, 20000, 10000)), QRectF(0, 2500, 10000, 5000));
}

} // namespace
