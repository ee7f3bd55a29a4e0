// Breaking texts into printed lines: the block 4 columns by character
// count, the wrapped cells by width with their ten-line cut, the item rows
// and the remarks.

#include "AddressLines.h"
#include "PrintFixtures.h"
#include "WrapToWidth.h"

#include <gtest/gtest.h>

namespace {

using Op = RecordedPage::Op;
using Kind = RecordedPage::Kind;

// P0, the layout of a page without an orientation setting.
constexpr float F = 1.1f;
constexpr float s = 1.0f;
constexpr double B = 7, L = 6, V = 8;
float X(float base) { return base * F; }
float Y(float base) { return base * s; }

QStringList list(std::initializer_list<const char *> items)
{
    QStringList l;
    for (const char *i : items)
        l << QString::fromLatin1(i);
    return l;
}

// Texts printed at x, in order.
QList<Op> textsAt(const RecordedPage &r, float x)
{
    QList<Op> found;
    for (const Op &op : r.canvas.allTexts())
        if (std::abs(op.x1 - x) < kTol)
            found << op;
    return found;
}

arc::CertificatePage emptyPage() { return arc::CertificatePage{}; }

TEST(PrintBlock4Test, BreaksByCharacterCount)
{
    EXPECT_EQ(arc::addressLines("ABC"), list({"ABC"}));
    EXPECT_EQ(arc::addressLines("A"), list({"A"}));
    EXPECT_TRUE(arc::addressLines("").isEmpty());

    // Exactly 40 characters and a space as the 41st: the line keeps them all.
    const QString forty(40, 'X');
    EXPECT_EQ(arc::addressLines(forty + " MORE"), QStringList({forty + " ", "MORE"}));

    // Stepping back from the 41st character to the nearest space, "-" or ",".
    const QString a = QString(30, 'A') + "-" + QString(20, 'B');
    EXPECT_EQ(arc::addressLines(a), QStringList({QString(30, 'A') + "-", QString(20, 'B')}));
    const QString b = QString(12, 'A') + " " + QString(10, 'B') + "," + QString(25, 'C');
    EXPECT_EQ(arc::addressLines(b), QStringList({QString(12, 'A') + " " + QString(10, 'B') + ",", QString(25, 'C')}));

    // Line breaks end a line; the line feed after a carriage return is skipped.
    EXPECT_EQ(arc::addressLines("Acme\r\n12 Main St\r\nTown"), list({"Acme", "12 Main St", "Town"}));
    EXPECT_EQ(arc::addressLines("Acme\nTown"), list({"Acme", "Town"}));
    EXPECT_EQ(arc::addressLines("Acme\r\n\r\nTown"), list({"Acme", "", "Town"}));

    // A run without any break character breaks hard after 40, and ends.
    const QString run(100, 'Z');
    EXPECT_EQ(arc::addressLines(run), QStringList({QString(40, 'Z'), QString(40, 'Z'), QString(20, 'Z')}));
}

TEST(PrintBlock4Test, ColumnsPlacedLineByLineWithoutLimit)
{
    arc::CertificatePage p = emptyPage();
    p.organ1 = "ABC";
    p.organ2 = "L0\r\nL1\r\nL2\r\nL3\r\nL4\r\nL5\r\nL6\r\nL7";
    const RecordedPage r(p);
    const float x0 = X(200), y1 = Y(1300);
    const Op abc = r.text("ABC");
    EXPECT_AT(abc, x0 + X(1000), y1 + Y(250));
    EXPECT_DOUBLE_EQ(abc.fontSize, B);
    EXPECT_FALSE(abc.bold);
    for (int k = 0; k < 8; ++k) {
        const Op op = r.text(QString("L%1").arg(k));
        EXPECT_AT(op, x0 + X(5000), y1 + Y(250.0f + 200.0f * k));
    }
    // The eighth line runs on below the bottom of block 4.
    EXPECT_GT(r.text("L7").y1, Y(2500));
}

class PrintWrapTest : public testing::Test {
protected:
    void SetUp() override
    {
        canvas.setFontSize(B);
        canvas.setFontBold(false);
    }
    double w(const QString &t) const { return canvas.textWidth(t); }
    QStringList wrap(const QString &t, double width, int limit = 300) const
    {
        return arc::wrapToWidth(t, width, limit, canvas);
    }
    arc::RecordingCanvas canvas;
};

TEST_F(PrintWrapTest, BreaksLikeAWordWrappingBox)
{
    // At spaces, the spaces staying at the end of the line.
    EXPECT_EQ(wrap("aaa bbb ccc", w("aaa bbb") + 1), list({"aaa bbb ", "ccc"}));
    EXPECT_EQ(wrap("aaa bbb ccc", w("aaa") + 1), list({"aaa ", "bbb ", "ccc"}));
    EXPECT_EQ(wrap("aaa bbb ccc", w("aaa bbb ccc") + 1), list({"aaa bbb ccc"}));

    // Inside a word wider than the column.
    EXPECT_EQ(wrap("mmmmmmmmmm", w("mmmm") + 0.5), list({"mmmm", "mmmm", "mm"}));

    // Not at hyphens: the hyphenated word moves whole to the next line.
    EXPECT_EQ(wrap("xx ab-cd", w("xx ab-") + 0.5), list({"xx ", "ab-cd"}));

    // At every line break: CR LF, a lone LF; empty lines count.
    EXPECT_EQ(wrap("a\r\nb\nc", 5000), list({"a", "b", "c"}));
    EXPECT_EQ(wrap("a\r\n\r\nb", 5000), list({"a", "", "b"}));
    EXPECT_EQ(wrap("a\r\n", 5000), list({"a", ""}));
}

TEST_F(PrintWrapTest, LinesCutAtTheFetchLimit)
{
    const QString longLine(500, 'q');
    EXPECT_EQ(wrap(longLine, 1e9, 300), QStringList({QString(300, 'q')}));
    EXPECT_EQ(wrap(longLine, 1e9, 450), QStringList({QString(450, 'q')}));
    EXPECT_EQ(wrap("short", 1e9, 450), list({"short"}));
}

// Every printed cell keeps to its column width: no line passes it, and
// the next word would have.
TEST(PrintCellWidthTest, EachCellWrapsAtItsWidth)
{
    QString words;
    for (int i = 0; i < 60; ++i)
        words += QString("w%1 ").arg(i % 10) + (i % 3 ? "abc " : "de ");
    words = words.trimmed();

    arc::CertificatePage p = emptyPage();
    p.invoice = words;
    p.lines[0] = {"1", words, words, words, words, words, {}};
    p.remarks = words;
    const RecordedPage r(p);
    const float x0 = X(200), x2 = X(8450);
    const struct {
        const char *name;
        float x, width;
        double size;
    } cells[] = {{"block 5", x2 + X(200), X(2300), V},        {"description", X(700) + X(100), X(2600), B},
                 {"part number", X(3300) + X(100), X(2650), B}, {"quantity", X(5950) + X(250), X(600), B},
                 {"serial", X(6650) + X(100), X(2350), B},      {"status", X(9000) + X(250), X(1800), B},
                 {"remarks", x0 + X(800), 10800.0f - X(800), B}};
    for (const auto &cell : cells) {
        SCOPED_TRACE(cell.name);
        const QList<Op> lines = textsAt(r, cell.x);
        ASSERT_GE(lines.size(), 3);
        ASSERT_LE(lines.size(), 10);
        for (int i = 0; i < lines.size(); ++i) {
            const QString visible = lines[i].text.trimmed();
            EXPECT_LE(RecordedPage::width(visible, cell.size, false), cell.width);
            EXPECT_DOUBLE_EQ(lines[i].fontSize, cell.size);
            if (i + 1 < lines.size()) {
                const QString next = lines[i + 1].text.section(' ', 0, 0);
                EXPECT_GT(RecordedPage::width(lines[i].text + next, cell.size, false), cell.width);
            }
        }
    }
}

TEST(PrintCellCutTest, MoreThanTenLinesPrintTenAfterTheMessage)
{
    QString twelve;
    for (int i = 1; i <= 12; ++i)
        twelve += QString("R%1").arg(i) + (i < 12 ? "\r\n" : "");
    arc::CertificatePage p = emptyPage();
    p.remarks = twelve;
    p.invoice = "I1\r\nI2\r\nI3\r\nI4\r\nI5\r\nI6\r\nI7\r\nI8\r\nI9\r\nI10\r\nI11";
    p.lines[0].description = "D1\r\nD2\r\nD3\r\nD4\r\nD5\r\nD6\r\nD7\r\nD8\r\nD9\r\nD10"; // exactly ten

    arc::RecordingCanvas canvas;
    QStringList notices;
    QList<int> remarkLinesBefore;
    const arc::PrintResult result = arc::printCertificate(canvas, p, [&](const QString &title) {
        notices << title;
        remarkLinesBefore << canvas.texts("R1").size() + canvas.texts("I1").size();
    });
    EXPECT_EQ(notices, list({"Section 5 too long", "Remarks section too long"}));
    EXPECT_EQ(result.truncatedCells, notices);
    EXPECT_EQ(remarkLinesBefore, QList<int>({0, 1})); // each message comes before its cell's lines
    EXPECT_EQ(arc::kLinesTruncated, "Lines truncated. Press OK to continue");

    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(canvas.texts(QString("R%1").arg(i)).size(), i <= 10 ? 1 : 0) << i;
    EXPECT_TRUE(canvas.texts("I11").isEmpty());
    EXPECT_EQ(canvas.texts("D10").size(), 1);
}

TEST(PrintItemRowsTest, RowsMoveDownOnlyBelowNumberedRows)
{
    const float x0 = X(200), c7 = X(700);
    const float top0 = Y(2800) + Y(100);
    const double lh = RecordedPage::lineHeight(B, false);

    // Row 0 takes three lines; slot 1 is empty; slot 2 is filled.
    arc::CertificatePage p = emptyPage();
    p.lines[0] = {"1", "A0\r\nB0\r\nC0", "P0", "", "", "NEW", {}};
    p.lines[2] = {"3", "A2", "P2", "", "", "", {}};
    {
        const RecordedPage r(p);
        EXPECT_NEAR(r.text("A0").y1, top0, kTol);
        EXPECT_NEAR(r.text("C0").y1, top0 + 2 * lh, kTol);
        // Row 1 starts 300s below row 0's top; empty, its bottom is its
        // top, so row 2 starts 300s below that.
        EXPECT_NEAR(r.text("A2").y1, top0 + Y(300) + Y(300), 0.05);
        EXPECT_NEAR(r.text("3").y1, top0 + Y(300) + Y(300), 0.05);
        // The item is centred between the frame and the column border.
        const Op one = r.text("1");
        EXPECT_NEAR(one.x1 + RecordedPage::width("1", B, false) / 2, (x0 + c7) / 2, kTol);
        EXPECT_FALSE(one.lineEnd);
        EXPECT_NEAR(r.text("A0").x1, c7 + X(100), kTol);
        EXPECT_NEAR(r.text("P0").x1, X(3300) + X(100), kTol);
        EXPECT_NEAR(r.text("NEW").x1, X(9000) + X(250), kTol);
    }

    // Slot 1 blank (" ") but with a two-line description: it starts 300s
    // below row 0's top, and row 2 300s below row 1's lowest line.
    p.lines[1] = {" ", "A1\r\nB1", "", "", "", "", {}};
    {
        const RecordedPage r(p);
        const float top1 = top0 + Y(300);
        EXPECT_NEAR(r.text("A1").y1, top1, kTol);
        EXPECT_NEAR(r.text("A2").y1, top1 + 2 * lh + Y(300), 0.05);
    }

    // A numbered row 1 goes below row 0's lowest line.
    p.lines[1].item = "2";
    {
        const RecordedPage r(p);
        EXPECT_NEAR(r.text("A1").y1, top0 + 3 * lh + Y(300), 0.05);
    }
}

TEST(PrintItemRowsTest, AllTenRowsPrintAndTheLastEndsTheTable)
{
    arc::CertificatePage p = emptyPage();
    for (int r = 0; r < arc::kItemSlots; ++r)
        p.lines[r] = {QString::number(r + 1), QString("Desc%1").arg(r), "", "", "", "", {}};
    const RecordedPage r(p);
    const double lh = RecordedPage::lineHeight(B, false);
    for (int row = 0; row < arc::kItemSlots; ++row)
        EXPECT_NEAR(r.text(QString("Desc%1").arg(row)).y1, Y(2900) + row * (lh + Y(300)), 0.05) << row;
    EXPECT_EQ(r.canvas.ofKind(Kind::EndJob).size(), 1);
}

TEST(PrintRemarksTest, LabelAndFirstLineInBothRemarksSizes)
{
    const float x0 = X(200);
    for (const bool large : {false, true}) {
        SCOPED_TRACE(large ? "large remarks" : "normal remarks");
        arc::CertificatePage p = emptyPage();
        p.settings.largeRemarks = large;
        p.lines[0] = {"1", "Pump", "", "", "", "", {}};
        p.remarks = "First remark\r\nSecond remark";
        const RecordedPage r(p);
        const float y4 = Y(large ? 5000 : 7000);

        const Op label = r.text("12. Remarks:");
        EXPECT_AT(label, x0 + X(30), y4 + Y(50));
        EXPECT_DOUBLE_EQ(label.fontSize, L);
        EXPECT_TRUE(label.bold);
        const Op first = r.text("First remark");
        EXPECT_AT(first, x0 + X(800), y4 + Y(50) + RecordedPage::lineHeight(L, true));
        EXPECT_DOUBLE_EQ(first.fontSize, B);
        EXPECT_FALSE(first.bold);
        EXPECT_NEAR(r.text("Second remark").y1, first.y1 + RecordedPage::lineHeight(B, false), kTol);

        // The line under the items and the column borders end at y4; the
        // item rows start where they always do.
        int atY4 = 0, bordersToY4 = 0;
        for (const Op &line : r.canvas.ofKind(Kind::Line)) {
            if (std::abs(line.y1 - y4) < kTol && std::abs(line.y2 - y4) < kTol)
                ++atY4;
            if (std::abs(line.x1 - line.x2) < kTol && std::abs(line.y1 - Y(2500)) < kTol
                && std::abs(line.y2 - y4) < kTol)
                ++bordersToY4;
        }
        EXPECT_EQ(atY4, 1);
        EXPECT_EQ(bordersToY4, 5);
        EXPECT_NEAR(r.text("Pump").y1, Y(2900), kTol);
    }
}

TEST(PrintEmptyPageTest, EmptyAndNullValuesPrintOnlyTheForm)
{
    arc::CertificatePage p; // every text null
    const RecordedPage r(p);
    EXPECT_TRUE(r.notices.isEmpty());
    EXPECT_EQ(r.canvas.ofKind(Kind::Line).size(), 17);
    EXPECT_EQ(r.canvas.ofKind(Kind::EndJob).size(), 1);
    const float cellXs[] = {X(8450) + X(200), X(700) + X(100), X(3300) + X(100), X(5950) + X(250),
                            X(6650) + X(100), X(9000) + X(250), X(200) + X(800)};
    for (float x : cellXs)
        EXPECT_TRUE(textsAt(r, x).isEmpty()) << x;
    EXPECT_TRUE(r.canvas.ofKind(Kind::Picture).isEmpty());
}

} // namespace
