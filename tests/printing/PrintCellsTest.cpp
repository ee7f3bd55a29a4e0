// Breaking texts into printed lines: the block 4 columns by character
// count, the wrapped cells by width with their ten-line cut, the item rows
// and the remarks. All in the layout without an orientation setting (P0).

#include "AddressLines.h"
#include "PrintFixtures.h"
#include "WrapToWidth.h"

namespace {

using Op = RecordedPage::Op;
using Kind = RecordedPage::Kind;

using namespace p0;

QStringList lines(const char *joined) { return QString(joined).split('|'); }

// Texts printed at x, in order.
QList<Op> textsAt(const RecordedPage &r, float x)
{
    QList<Op> found;
    for (const Op &op : r.canvas.allTexts())
        if (std::abs(op.x1 - x) < kTol)
            found << op;
    return found;
}

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

    // Placed line by line, each column on its own.
    arc::CertificatePage p;
    p.organ1 = "ABC";
    p.organ2 = "L0\r\nL1\r\nL2\r\nL3";
    const RecordedPage r(p);
    const Op abc = r.text("ABC");
    EXPECT_NEAR(abc.x1, X(200) + X(1000), kTol);
    EXPECT_NEAR(abc.y1, Y(1300) + Y(250), kTol);
    EXPECT_DOUBLE_EQ(abc.fontSize, B);
    EXPECT_FALSE(abc.bold);
    for (int k = 0; k < 4; ++k) {
        const Op op = r.text(QString("L%1").arg(k));
        EXPECT_NEAR(op.x1, X(200) + X(5000), kTol);
        EXPECT_NEAR(op.y1, Y(1300) + Y(250.0f + 200.0f * k), kTol);
    }
}

TEST(PrintWrapTest, BreaksLikeAWordWrappingBox)
{
    const arc::RecordingCanvas font = RecordedPage::font(B, false);
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

TEST(PrintWrapTest, EachCellWrapsAtItsOwnWidthInsideItsColumn)
{
    QStringList words;
    for (int i = 0; i < 60; ++i)
        words << QString("w%1 %2").arg(i % 10).arg(i % 3 ? "abc" : "de");
    arc::CertificatePage p;
    p.remarks = words.join(' ');
    p.invoice = words.mid(0, 10).join(' '); // what block 5 holds as designed
    p.lines[0] = itemLine("1", p.remarks, p.remarks, p.remarks, p.remarks, p.remarks);
    const RecordedPage r(p);
    // As wide as designed, but never past the ruling at the right.
    const float xR = 11520 - 5;
    const struct {
        float x, designed, ruling;
        double size;
    } cells[] = {{X(8450) + X(200), X(2300), xR, V},     {X(700) + X(100), X(2600), X(3300), B},
                 {X(3300) + X(100), X(2650), X(5950), B}, {X(5950) + X(250), X(600), X(6650), B},
                 {X(6650) + X(100), X(2350), X(9000), B}, {X(9000) + X(250), X(1800), xR, B},
                 {X(200) + X(800), 10800.0f - X(800), xR, B}};
    for (const auto &cell : cells) {
        SCOPED_TRACE(cell.x);
        const float width = std::min(cell.designed, cell.ruling - X(30) - cell.x);
        const QList<Op> printed = textsAt(r, cell.x);
        ASSERT_GE(printed.size(), 2);
        ASSERT_LE(printed.size(), 10);
        for (int i = 0; i < printed.size(); ++i) {
            // No line passes the width, and the next word would have.
            EXPECT_LE(RecordedPage::width(printed[i].text.trimmed(), cell.size, false), width);
            EXPECT_DOUBLE_EQ(printed[i].fontSize, cell.size);
            if (i + 1 < printed.size()) {
                const QString next = printed[i].text + printed[i + 1].text.section(' ', 0, 0);
                EXPECT_GT(RecordedPage::width(next, cell.size, false), width);
            }
        }
    }
}

TEST(PrintWrapTest, MoreThanTenLinesPrintTenAfterTheMessage)
{
    arc::CertificatePage p;
    for (int i = 1; i <= 12; ++i)
        p.remarks += QString("R%1\r\n").arg(i);
    p.invoice = "I1\r\nI2\r\nI3\r\nI4\r\nI5\r\nI6\r\nI7\r\nI8\r\nI9\r\nI10\r\nI11";
    p.lines[0].description = "D1\r\nD2\r\nD3\r\nD4\r\nD5\r\nD6\r\nD7\r\nD8\r\nD9\r\nD10"; // exactly ten

    arc::RecordingCanvas canvas;
    QStringList notices;
    QList<qsizetype> printedBefore;
    const arc::PrintResult result = arc::PrintCertificate(canvas, p, [&](const QString &title) {
        notices << title;
        printedBefore << canvas.texts("I1").size() + canvas.texts("R1").size();
    });
    EXPECT_EQ(notices, lines("Section 5 too long|Remarks section too long"));
    EXPECT_EQ(result.truncatedCells, notices);
    EXPECT_EQ(printedBefore, QList<qsizetype>({0, 1})); // each before its own cell's lines
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(canvas.texts(QString("R%1").arg(i)).size(), i <= 10 ? 1 : 0) << i;
    EXPECT_TRUE(canvas.texts("I11").isEmpty());
    EXPECT_EQ(canvas.texts("D10").size(), 1);
}

TEST(PrintItemRowsTest, EachRowStartsBelowTheTallestCellOfTheRowAbove)
{
    const float top0 = Y(2800) + Y(100);
    const double lh = RecordedPage::lineHeight(B, false);
    // Row 0 takes three lines, slot 1 is empty, slot 2 is filled.
    arc::CertificatePage p;
    p.lines[0] = itemLine("1", "A0\r\nB0\r\nC0", "P0", "Q0", "S0", "NEW");
    p.lines[2] = itemLine("3", "A2");
    {
        const RecordedPage r(p);
        EXPECT_NEAR(r.text("C0").y1, top0 + 2 * lh, kTol);
        // The empty row 1 takes only the gap below row 0.
        EXPECT_NEAR(r.text("A2").y1, top0 + 3 * lh + Y(300) + Y(300), 0.05);
        EXPECT_NEAR(r.text("3").y1, r.text("A2").y1, kTol);
        // The item number is centred in its column, on row 0's top line.
        const Op one = r.text("1");
        EXPECT_NEAR(one.x1 + RecordedPage::width("1", B, false) / 2, (X(200) + X(700)) / 2, kTol);
        EXPECT_NEAR(one.y1, top0, kTol);
        EXPECT_FALSE(one.lineEnd);
    }
    // Slot 1 with two lines, its number blank or not.
    for (const char *number : {" ", "2"}) {
        SCOPED_TRACE(number);
        p.lines[1] = itemLine(number, "A1\r\nB1");
        const RecordedPage r(p);
        EXPECT_NEAR(r.text("A1").y1, top0 + 3 * lh + Y(300), 0.05);
        EXPECT_NEAR(r.text("A2").y1, r.text("A1").y1 + 2 * lh + Y(300), 0.05);
    }

    // Rows that fit keep the designed gap.
    arc::CertificatePage seven;
    for (int row = 0; row < 7; ++row)
        seven.lines[row] = itemLine(QString::number(row + 1), QString("Desc%1").arg(row));
    const RecordedPage r(seven);
    for (int row = 0; row < 7; ++row)
        EXPECT_NEAR(r.text(QString("Desc%1").arg(row)).y1, top0 + row * (lh + Y(300)), 0.05) << row;
}

TEST(PrintRemarksTest, FirstLineOneLabelLineBelowTheLabelInBothSections)
{
    for (const bool large : {false, true}) {
        SCOPED_TRACE(large);
        arc::CertificatePage p;
        p.settings.largeRemarks = large;
        p.lines[0] = itemLine("1", "Pump");
        p.remarks = "First remark\r\nSecond remark";
        const RecordedPage r(p);
        const float y4 = Y(large ? 5000 : 7000);
        const Op label = r.text("12. Remarks:");
        EXPECT_NEAR(label.y1, y4 + Y(50), kTol);
        const Op first = r.text("First remark");
        EXPECT_NEAR(first.x1, X(200) + X(800), kTol);
        EXPECT_NEAR(first.y1, y4 + Y(50) + RecordedPage::lineHeight(L, true), kTol);
        EXPECT_DOUBLE_EQ(first.fontSize, B);
        EXPECT_NEAR(r.text("Second remark").y1, first.y1 + RecordedPage::lineHeight(B, false), kTol);
        // The line under the items and the five column borders end at y4;
        // the item rows start where they always do.
        int toY4 = 0;
        for (const Op &line : r.canvas.ofKind(Kind::Line))
            toY4 += std::abs(line.y2 - y4) < kTol;
        EXPECT_EQ(toY4, 6);
        EXPECT_NEAR(r.text("Pump").y1, Y(2900), kTol);
    }
}

TEST(PrintEmptyPageTest, NullAndEmptyValuesPrintOnlyTheForm)
{
    const RecordedPage r{arc::CertificatePage{}}; // every text null
    EXPECT_TRUE(r.notices.isEmpty());
    for (float x : {X(8450) + X(200), X(700) + X(100), X(3300) + X(100), X(5950) + X(250), X(6650) + X(100),
                    X(9000) + X(250), X(200) + X(800), X(200) + X(1000)})
        EXPECT_TRUE(textsAt(r, x).isEmpty()) << x;
}

} // namespace
