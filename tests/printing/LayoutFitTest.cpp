// The fitting rules the page is laid out with, measured on the recording
// canvas: the page onto the sheet, texts into their boxes and lines, the
// signature into its box. Where they land is in the recorded pages.

#include "AddressLines.h"
#include "LineFit.h"
#include "ParagraphLines.h"
#include "PrintFixtures.h"
#include "PrintSignature.h"
#include "SheetFit.h"
#include "StackFit.h"
#include "WrapToWidth.h"

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

QStringList lines(const char *joined) { return QString(joined).split('|'); }

TEST(PrintBlock4Test, ColumnsBrokenByCharacterCount)
{
    using arc::addressLines;
    EXPECT_EQ(addressLines("ABC"), lines("ABC"));
    EXPECT_TRUE(addressLines("").isEmpty());
    // Exactly 40 characters and a space as the 41st: the line keeps them all.
    const QString forty(40, 'X');
    EXPECT_EQ(addressLines(forty + " MORE"), QStringList({forty + " ", "MORE"}));
    // Back from the 41st character to the nearest space, "-" or ",".
    EXPECT_EQ(addressLines(QString(30, 'A') + "-" + QString(20, 'B')), QStringList({QString(30, 'A') + "-", QString(20, 'B')}));
    EXPECT_EQ(addressLines("AAAA BBBB," + QString(35, 'C')), QStringList({"AAAA BBBB,", QString(35, 'C')}));
    // Line breaks; the line feed after a carriage return is skipped.
    EXPECT_EQ(addressLines("Acme\r\n12 Main St\r\n\r\nTown"), lines("Acme|12 Main St||Town"));
    EXPECT_EQ(addressLines("Acme\nTown"), lines("Acme|Town"));
    // A run without a break character breaks hard after 40, and ends.
    EXPECT_EQ(addressLines(QString(100, 'Z')), QStringList({QString(40, 'Z'), QString(40, 'Z'), QString(20, 'Z')}));
}

TEST(PrintWrapTest, BreaksLikeAWordWrappingBox)
{
    const arc::RecordingCanvas font = RecordedPage::font(7, false);
    const auto w = [&](const char *t) { return font.textWidth(t); };
    const auto wrap = [&](const QString &t, double width, int limit = 300) {
        return arc::WrapToWidth(t, width, limit, font);
    };
    // At spaces, which stay at the end of the line.
    EXPECT_EQ(wrap("aaa bbb ccc", w("aaa bbb") + 1), lines("aaa bbb |ccc"));
    EXPECT_EQ(wrap("aaa bbb ccc", w("aaa") + 1), lines("aaa |bbb |ccc"));
    EXPECT_EQ(wrap("aaa bbb ccc", w("aaa bbb ccc") + 1), lines("aaa bbb ccc"));
    // Inside a word wider than the column; never at a hyphen.
    EXPECT_EQ(wrap("mmmmmmmmmm", w("mmmm") + 0.5), lines("mmmm|mmmm|mm"));
    EXPECT_EQ(wrap("xx ab-cd", w("xx ab-") + 0.5), lines("xx |ab-cd"));
    // At every line break, CR LF or a lone LF; empty lines count.
    EXPECT_EQ(wrap("a\r\nb\nc", 5000), lines("a|b|c"));
    EXPECT_EQ(wrap("a\r\n\r\nb", 5000), lines("a||b"));
    EXPECT_EQ(wrap("a\r\n", 5000), lines("a|"));
    // Each line cut at the fetch limit.
    EXPECT_EQ(wrap(QString(500, 'q'), 1e9, 300), QStringList({QString(300, 'q')}));
    EXPECT_EQ(wrap(QString(500, 'q'), 1e9, 450), QStringList({QString(450, 'q')}));
}

QImage image(int width, int height, int dotsPerMetreX = 3780)
{
    QImage i(width, height, QImage::Format_RGB32);
    i.fill(Qt::white);
    i.setDotsPerMeterX(dotsPerMetreX);
    i.setDotsPerMeterY(3780);
    return i;
}

TEST(PrintSignatureTest, FitsTheBoxKeepingItsProportionsCentred)
{
    // Into a box 2000 x 1000 at (100, 200): a square fills the height,
    // centred across; three times as wide as high fills the width, centred
    // down; twice as wide fills the box. Twice the dots per metre across
    // makes a square of pixels half as wide on paper.
    const struct {
        QImage image;
        QRectF placed;
    } cases[] = {{image(50, 50), {600, 200, 1000, 1000}},
                 {image(300, 100), {100, 200 + (1000 - 2000.0 / 3) / 2, 2000, 2000.0 / 3}},
                 {image(200, 100), {100, 200, 2000, 1000}},
                 {image(100, 100, 7560), {850, 200, 500, 1000}}};
    for (const auto &c : cases) {
        const auto at = arc::signaturePlacement(c.image, 100, 200, 2000, 1000);
        ASSERT_TRUE(at.has_value());
        for (auto [got, want] : {std::pair{at->x(), c.placed.x()}, {at->y(), c.placed.y()},
                                 {at->width(), c.placed.width()}, {at->height(), c.placed.height()}})
            EXPECT_NEAR(got, want, 0.01) << c.image.width() << "x" << c.image.height();
    }

    // No image, nothing drawn.
    EXPECT_FALSE(arc::signaturePlacement(QImage(), 0, 0, 1000, 500));
    arc::RecordingCanvas canvas;
    arc::PrintSignature(canvas, QImage(), 0, 0, 1000, 500);
    EXPECT_TRUE(canvas.ops().isEmpty());
}

TEST(PrintSignatureTest, OnlyTheInkIsDrawnThePaperLetsWhatIsUnderShow)
{
    QImage scan = image(3, 1);
    scan.setPixel(0, 0, qRgb(20, 20, 120));  // ink
    scan.setPixel(1, 0, qRgb(245, 242, 250)); // paper, not quite white
    arc::RecordingCanvas canvas;
    arc::PrintSignature(canvas, scan, 0, 0, 300, 100);
    ASSERT_EQ(canvas.ops().size(), 1);
    const QImage drawn = canvas.ops().first().image;
    EXPECT_EQ(drawn.pixel(0, 0), qRgba(20, 20, 120, 255));
    EXPECT_EQ(qAlpha(drawn.pixel(1, 0)), 0);
    EXPECT_EQ(qAlpha(drawn.pixel(2, 0)), 0);
}

} // namespace
