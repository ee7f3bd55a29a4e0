// Every text of the page inside its box and on the sheet, in the three
// layouts: the page fitted to the sheet, single lines condensed into their
// boxes, item rows, blocks 4 and 5, the signature under its label and the
// instructions wrapped between words.

#include "LineFit.h"
#include "PageCheck.h"
#include "PageGeometry.h"
#include "PrintFixtures.h"

namespace {

using Op = RecordedPage::Op;
using Kind = RecordedPage::Kind;

constexpr double kTolerance = 0.5; // twips

// A description of `lines` lines.
QString description(int lines)
{
    const char *parts[] = {"FUEL PUMP ASSEMBLY", "HIGH PRESSURE STAGE", "WITH MOUNTING KIT"};
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << parts[i % 3];
    return text.join("\r\n");
}

class PrintFitTest : public testing::TestWithParam<ModeCase> {
protected:
    arc::PrintMode mode() const { return arc::PrintMode::forSetting(GetParam().user1); }
    arc::PageGeometry geometry(bool largeRemarks = false) const
    {
        const bool landscape = mode().orientation == arc::PageCanvas::Orientation::Landscape;
        return arc::PageGeometry(mode(), landscape ? 15120 : 11520, largeRemarks);
    }
    arc::CertificatePage page() const
    {
        arc::CertificatePage p;
        p.settings.orientation = GetParam().user1;
        return p;
    }
    // Texts printed from x, in order.
    static QList<Op> textsFrom(const RecordedPage &r, float x)
    {
        QList<Op> found;
        for (const Op &op : r.canvas.allTexts())
            if (std::abs(op.x1 - x) < kTolerance)
                found << op;
        return found;
    }
};

TEST_P(PrintFitTest, EveryTextOfALongPageInsideItsBox)
{
    const RecordedPage r(longCertificate(GetParam().user1));
    EXPECT_EQ(pageFaults(r.canvas).join("\n"), "");
    EXPECT_EQ(r.notices, QStringList());
}

TEST_P(PrintFitTest, APageLargerThanTheSheetIsShrunkOntoItWholeAndCentred)
{
    const RecordedPage r(longCertificate(GetParam().user1));
    const arc::SheetFit fit = r.canvas.sheetFit();
    const QRectF sheet = r.canvas.sheet();
    const QRectF page = fit.map(QRectF(0, 0, sheet.width(), r.text("NSN: 0052-00-012-9005").area.bottom()));
    if (mode().orientation == arc::PageCanvas::Orientation::Portrait) {
        EXPECT_EQ(fit, arc::SheetFit{}); // the layout fits Letter upright
    } else {
        EXPECT_LT(fit.scale, 0.7);
        EXPECT_NEAR(page.center().x(), sheet.center().x(), 1);
        EXPECT_NEAR(page.center().y(), sheet.center().y(), 20); // the page ends a line's descent lower
    }
    for (const Op &op : r.canvas.allTexts())
        EXPECT_TRUE(sheet.adjusted(-kTolerance, -kTolerance, kTolerance, kTolerance).contains(fit.map(op.area)))
            << op.text.toStdString();
}

TEST_P(PrintFitTest, LinesTooWideForTheirBoxAreCondensedWhereTheyStand)
{
    arc::CertificatePage p = page();
    p.invoice = "WORK ORDER 4471-2026-0001234 / CONTRACT AB-99812-XYZ";
    const RecordedPage r(p);
    const arc::PageGeometry g = geometry();
    const double size = mode().body;
    // Fixed texts keep their place and size, only narrower.
    const struct {
        const char *text;
        float x;
    } fixed[] = {{"Other regulation specified in Block 12", g.h + g.X(2950)},
                 {"14c. Approval/Certificate No.:", g.n + g.X(30)},
                 {"Federal Regulations, part 43 and in respect to that work, the items are approved for",
                  g.h + g.X(200)}};
    for (const auto &t : fixed) {
        SCOPED_TRACE(t.text);
        const Op op = r.text(t.text);
        EXPECT_NEAR(op.x1, t.x, kTolerance);
        EXPECT_LE(op.area.right(), g.before(g.xR) + kTolerance);
        EXPECT_GE(op.condense, arc::LineFit::kMinCondense);
    }
    EXPECT_DOUBLE_EQ(r.text("Other regulation specified in Block 12").fontSize, size);
    // Block 5 wraps within the frame.
    const QList<Op> block5 = textsFrom(r, g.x2 + g.X(200));
    ASSERT_GE(block5.size(), 2);
    for (const Op &op : block5)
        EXPECT_LE(op.area.right(), g.before(g.xR) + kTolerance) << op.text.toStdString();
    EXPECT_EQ(pageFaults(r.canvas).join("\n"), "");
}

TEST_P(PrintFitTest, TenItemsStayAboveBlock12InBothRemarksSections)
{
    for (const bool large : {false, true}) {
        SCOPED_TRACE(large);
        arc::CertificatePage p = page();
        p.settings.largeRemarks = large;
        for (int r = 0; r < arc::kItemSlots; ++r)
            p.lines[r] = itemLine(QString::number(r + 1), description(1 + r % 2), "PN 1", "1", "SN 1", "NEW");
        p.remarks = "Remarks start here";
        const RecordedPage r(p);
        const arc::PageGeometry g = geometry(large);
        const QList<Op> tens = r.canvas.texts("10");
        ASSERT_EQ(tens.size(), 1);
        for (const Op &op : textsFrom(r, g.c7 + g.X(100)))
            EXPECT_LE(op.area.bottom(), g.y4) << op.text.toStdString();
        EXPECT_LE(tens[0].area.bottom(), g.y4);
        EXPECT_EQ(pageFaults(r.canvas).join("\n"), "");
        EXPECT_EQ(r.notices, QStringList());
    }
}

TEST_P(PrintFitTest, TenThreeLineItemsAllPrintedAboveBlock12)
{
    arc::CertificatePage p = page();
    for (int r = 0; r < arc::kItemSlots; ++r)
        p.lines[r] = itemLine(QString::number(r + 1), description(3), QString("PN %1").arg(r), "2", "SN 1", "NEW");
    const RecordedPage r(p);
    const arc::PageGeometry g = geometry();
    const QList<Op> lines = textsFrom(r, g.c7 + g.X(100));
    ASSERT_EQ(lines.size(), 30);
    EXPECT_LE(lines.last().area.bottom(), g.y4);
    EXPECT_LT(lines.first().fontSize, mode().body); // the gap alone could not make room
    // Each row starts below the last line of the row before.
    for (int row = 1; row < arc::kItemSlots; ++row)
        EXPECT_GE(lines[3 * row].area.top(), lines[3 * row - 1].area.bottom()) << row;
    EXPECT_EQ(pageFaults(r.canvas).join("\n"), "");
    EXPECT_TRUE(r.notices.isEmpty());
}

TEST_P(PrintFitTest, DescriptionsWrapInsideTheirColumn)
{
    arc::CertificatePage p = page();
    p.lines[0] = itemLine("1", "HYDRAULIC ACCUMULATOR PRECHARGE VALVE ASSEMBLY WITH BRACKETS AND FITTINGS", "PN 1");
    const RecordedPage r(p);
    const arc::PageGeometry g = geometry();
    const QList<Op> lines = textsFrom(r, g.c7 + g.X(100));
    ASSERT_GE(lines.size(), 2);
    for (const Op &op : lines)
        EXPECT_LE(op.area.right(), g.before(g.c8) + kTolerance) << op.text.toStdString();
    EXPECT_EQ(pageFaults(r.canvas).join("\n"), "");
}

TEST_P(PrintFitTest, ARowWithoutNumberStartsBelowTheRowAbove)
{
    arc::CertificatePage p = page();
    p.lines[0] = itemLine("1", "A0\r\nB0\r\nC0", "PN 1");
    p.lines[1] = itemLine(" ", "A1\r\nB1", "PN 2");
    p.lines[2] = itemLine("", "A2", "PN 3");
    const RecordedPage r(p);
    const double lineHeight = r.text("B0").y1 - r.text("A0").y1;
    const double gap = geometry().Y(300); // they fit: the designed gap
    EXPECT_NEAR(r.text("A1").y1, r.text("C0").y1 + lineHeight + gap, kTolerance);
    EXPECT_NEAR(r.text("A2").y1, r.text("B1").y1 + lineHeight + gap, kTolerance);
    EXPECT_EQ(pageFaults(r.canvas).join("\n"), "");
}

TEST_P(PrintFitTest, Blocks4And5StayAboveTheItemHeading)
{
    arc::CertificatePage p = page();
    p.organ1 = "Velloran Aero Components\r\n1200 Airport Road\r\nHangar 4\r\nWichita, KS 67209\r\nUnited States";
    p.invoice = "WO 4471\r\nCONTRACT 99812\r\nINVOICE 88120\r\nBATCH 17\r\nLOT 2026-03";
    const RecordedPage r(p);
    const arc::PageGeometry g = geometry();
    const QList<Op> organ = textsFrom(r, g.x0 + g.X(1000));
    ASSERT_EQ(organ.size(), 5);
    EXPECT_NEAR(organ[0].y1, g.y1 + g.Y(250), kTolerance); // still starting where designed
    EXPECT_LE(organ.last().area.bottom(), g.y2);
    const QList<Op> invoice = textsFrom(r, g.x2 + g.X(200));
    ASSERT_EQ(invoice.size(), 5);
    EXPECT_NEAR(invoice[0].y1, g.y1 + g.Y(450), kTolerance);
    EXPECT_LE(invoice.last().area.bottom(), g.y2);
    EXPECT_EQ(pageFaults(r.canvas).join("\n"), "");
    EXPECT_TRUE(r.notices.isEmpty());
}

TEST_P(PrintFitTest, SignaturesLieUnderTheirLabelsInsideTheirBlocks)
{
    arc::CertificatePage p = longCertificate(GetParam().user1);
    p.block14dName = p.signer; // signed in both blocks
    p.signature = QImage(900, 100, QImage::Format_RGB32); // wider than the block is
    p.signature.fill(Qt::white);
    const RecordedPage r(p);
    const arc::PageGeometry g = geometry();
    const QList<Op> &ops = r.canvas.ops();
    const auto at = [&](const auto &match) { return std::ranges::find_if(ops, match) - ops.begin(); };
    const struct {
        const char *label;
        float left, ruling;
    } blocks[] = {{"13b. Authorized Signature:", g.x0, g.m}, {"14b. Authorized Signature:", g.h, g.n}};
    for (const auto &b : blocks) {
        SCOPED_TRACE(b.label);
        const auto picture =
            at([&](const Op &op) { return op.kind == Kind::Picture && op.x1 > b.left && op.x1 < b.ruling; });
        const auto label = at([&](const Op &op) { return op.kind == Kind::Text && op.text == b.label; });
        ASSERT_LT(picture, ops.size());
        EXPECT_LT(picture, label); // the label is drawn over it
        EXPECT_LE(ops[picture].x1 + ops[picture].x2, b.ruling);
    }
}

TEST_P(PrintFitTest, InstructionsBreakBetweenWordsOverTheSameFourLines)
{
    const RecordedPage r(page());
    const arc::PageGeometry g = geometry();
    const float x = g.x0 + g.X(150);
    QList<Op> lines;
    for (const Op &op : textsFrom(r, x))
        if (op.y1 > g.y9 + g.Y(200))
            lines << op;
    ASSERT_EQ(lines.size(), 4);
    const float ys[] = {300, 450, 600, 760};
    QString joined;
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(lines[i].y1, g.y9 + g.Y(ys[i]), kTolerance);
        EXPECT_DOUBLE_EQ(lines[i].fontSize, mode().instruction);
        EXPECT_LE(lines[i].area.right(), g.before(g.xR));
        if (i < 3) {
            EXPECT_TRUE(lines[i].text.endsWith(' ')) << lines[i].text.toStdString();
        }
        joined += lines[i].text;
    }
    EXPECT_TRUE(joined.startsWith("Where the user/installer performs work"));
    EXPECT_TRUE(joined.endsWith("before the aircraft may be flown."));
    EXPECT_TRUE(joined.contains(" airworthiness authority accepts ") && joined.contains(" maintenance records "));
    EXPECT_EQ(pageFaults(r.canvas).join("\n"), "");
}

TEST_P(PrintFitTest, WhatTheSmallestSizeCannotHoldIsLeftOutAndTold)
{
    arc::CertificatePage p = page();
    p.settings.largeRemarks = true;
    for (int r = 0; r < arc::kItemSlots; ++r)
        p.lines[r] = itemLine(QString::number(r + 1), description(10), "PN 1");
    QStringList organ;
    for (int i = 0; i < 20; ++i)
        organ << QString("Line %1").arg(i);
    p.organ2 = organ.join("\r\n");
    p.invoice = QString("Invoice\r\n").repeated(9);
    const RecordedPage r(p);
    EXPECT_EQ(r.notices, QStringList({"Section 4 too long", "Section 5 too long", "Items section too long"}));
    EXPECT_EQ(r.result.truncatedCells, r.notices);
    EXPECT_EQ(pageFaults(r.canvas).join("\n"), "");
    const arc::PageGeometry g = geometry(true);
    for (const Op &op : textsFrom(r, g.c7 + g.X(100)))
        EXPECT_LE(op.area.bottom(), g.y4);
    EXPECT_DOUBLE_EQ(r.text("Line 0").fontSize, arc::LineFit::kMinSize);
}

INSTANTIATE_TEST_SUITE_P(Modes, PrintFitTest, testing::ValuesIn(kModeCases),
                         [](const testing::TestParamInfo<ModeCase> &i) { return std::string(i.param.name); });

} // namespace
