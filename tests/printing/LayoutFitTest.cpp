// The fitting rules the page is laid out with, measured on the recording canvas.

#include "LineFit.h"
#include "ParagraphLines.h"
#include "PrintFixtures.h"
#include "SheetFit.h"
#include "StackFit.h"

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

TEST(LineFitTest, CondensedThenSmallerThenCut)
{
    arc::RecordingCanvas c = RecordedPage::font(7, true);
    const QString text = "Other regulation specified in Block 12";
    const double width = c.textWidth(text);

    // Room enough, trailing blanks taking none: as designed.
    for (const QString &t : {text, text + "  "}) {
        const arc::LineFit fit = arc::LineFit::of(c, t, 7, true, width);
        EXPECT_EQ(fit.text, t);
        EXPECT_DOUBLE_EQ(fit.size, 7);
        EXPECT_DOUBLE_EQ(fit.condense, 1);
        EXPECT_FALSE(fit.cut);
    }
    // A little too wide: condensed to the room, same size.
    arc::LineFit fit = arc::LineFit::of(c, text, 7, true, width * 0.9);
    EXPECT_DOUBLE_EQ(fit.size, 7);
    EXPECT_NEAR(fit.condense, 0.9, 1e-9);
    EXPECT_NEAR(c.textWidth(text), width * 0.9, 0.01); // the canvas is left as drawn

    // Far too wide: the largest size that fits at the narrowest condense.
    fit = arc::LineFit::of(c, text, 7, true, width * 0.6);
    EXPECT_LT(fit.size, 7);
    EXPECT_GE(fit.condense, arc::LineFit::kMinCondense);
    EXPECT_LE(c.textWidth(text), width * 0.6 + 0.01);
    EXPECT_GT(RecordedPage::font(fit.size + 0.05, true).textWidth(text) * arc::LineFit::kMinCondense, width * 0.6);
    EXPECT_FALSE(fit.cut);

    // Not even the smallest, narrowest line fits: cut after what does.
    const double room = 1000;
    fit = arc::LineFit::of(c, text, 7, true, room);
    EXPECT_TRUE(fit.cut);
    EXPECT_DOUBLE_EQ(fit.size, arc::LineFit::kMinSize);
    EXPECT_TRUE(text.startsWith(fit.text));
    EXPECT_LE(c.textWidth(fit.text), room);
    EXPECT_GT(c.textWidth(text.left(fit.text.size() + 1)), room);
}

TEST(StackFitTest, GapFirstThenSizeThenWhatFits)
{
    // Ten lines of 20 twips a point, nine gaps between them.
    const auto lines = [](double size) { return arc::StackFit::Stack{10 * size * 20, 9}; };
    const auto expect = [](const arc::StackFit &fit, double size, double gap, bool fits) {
        EXPECT_DOUBLE_EQ(fit.size, size);
        EXPECT_NEAR(fit.gap, gap, 1e-9);
        EXPECT_EQ(fit.fits, fits);
    };
    expect(arc::StackFit::of(7, 100, 1400 + 900, lines), 7, 100, true);  // as designed
    expect(arc::StackFit::of(7, 100, 1400 + 450, lines), 7, 50, true);   // the gap shrinks
    expect(arc::StackFit::of(7, 100, 1200, lines), 6, 0, true);          // then the size
    expect(arc::StackFit::of(7, 100, 1210, lines), 6.05, 0, true);       // the largest that fits
    expect(arc::StackFit::of(7, 100, 900, lines), arc::LineFit::kMinSize, 0, false);
    // A single part has no gap to give.
    expect(arc::StackFit::of(7, 100, 100, [](double size) { return arc::StackFit::Stack{size * 20, 0}; }), 5, 100,
           true);
}

TEST(ParagraphLinesTest, BrokenBetweenWordsIntoAtMostTheLinesGiven)
{
    arc::RecordingCanvas c = RecordedPage::font(7, false);
    const QString text = "alpha beta gamma delta epsilon zeta";
    double twoWords = 0;
    for (const char *pair : {"alpha beta", "gamma delta", "epsilon zeta"})
        twoWords = std::max(twoWords, c.textWidth(pair));
    EXPECT_EQ(arc::paragraphLines(c, text, twoWords, 3), QStringList({"alpha beta ", "gamma delta ", "epsilon zeta"}));
    // One line short: broken as if condensed, every word kept.
    const QStringList two = arc::paragraphLines(c, text, twoWords * 1.4, 2);
    ASSERT_EQ(two.size(), 2);
    EXPECT_EQ(two.join(""), text);
    EXPECT_TRUE(two[0].endsWith(' '));
    // Past the narrowest, the last line takes the rest.
    EXPECT_EQ(arc::paragraphLines(c, text, c.textWidth("alpha"), 2),
              QStringList({"alpha ", "beta gamma delta epsilon zeta"}));
}

} // namespace
