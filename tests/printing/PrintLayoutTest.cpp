// The page figure by figure in each of the three layouts: frame, rulings,
// labels and values of every block, check boxes, shading, signatures, the
// instructions and the form-number line.

#include "PrintFixtures.h"

#include <gtest/gtest.h>

namespace {

using arc::PrintMode;
using Op = RecordedPage::Op;
using Kind = RecordedPage::Kind;

struct Sizes {
    double L, B, V, T, I;
};

// One layout as the tables give it.
struct Layout {
    PrintMode::Name name;
    std::optional<QString> user1;
    float F, s;
    Sizes size;
    double W;
    arc::PageCanvas::Orientation orientation;
};

const Layout kLayouts[] = {
    {PrintMode::Name::P0, std::nullopt, 1.1f, 1.0f, {6, 7, 8, 14, 7}, 11520, arc::PageCanvas::Orientation::Portrait},
    {PrintMode::Name::P1, QString("1"), 1.05f, 1.0f, {6, 7, 8, 14, 7}, 11520, arc::PageCanvas::Orientation::Portrait},
    {PrintMode::Name::LS, QString("2"), 1.31f, 1.2f, {6, 8, 10, 18, 7}, 15120, arc::PageCanvas::Orientation::Landscape},
};

std::string layoutName(const testing::TestParamInfo<Layout> &info)
{
    switch (info.param.name) {
    case PrintMode::Name::P0: return "P0";
    case PrintMode::Name::P1: return "P1";
    case PrintMode::Name::LS: return "LS";
    }
    return "unknown";
}

class PrintLayoutTest : public testing::TestWithParam<Layout> {
protected:
    const Layout &L() const { return GetParam(); }
    float X(float base) const { return base * L().F; }
    float Y(float base) const { return base * L().s; }
    float x0() const { return X(200); }
    float x1() const { return X(2650); }
    float x2() const { return X(8450); }
    float h() const { return X(5600); }
    float m() const { return X(3600); }
    float n() const { return X(9000); }
    float xR() const { return static_cast<float>(L().W) - 5.0f; }

    arc::CertificatePage page() const
    {
        arc::CertificatePage p = fullCertificate();
        p.settings.orientation = L().user1;
        return p;
    }

    void expectText(const RecordedPage &r, const QString &text, double size, bool bold, float x, float y) const
    {
        SCOPED_TRACE(text.toStdString());
        const Op op = r.text(text);
        EXPECT_AT(op, x, y);
        EXPECT_DOUBLE_EQ(op.fontSize, size);
        EXPECT_EQ(op.bold, bold);
    }

    // Centred between a and b: its middle is their middle.
    void expectCentred(const RecordedPage &r, const QString &text, double size, bool bold, float a, float b,
                       float y) const
    {
        SCOPED_TRACE(text.toStdString());
        const Op op = r.text(text);
        EXPECT_NEAR(op.x1 + RecordedPage::width(text, size, bold) / 2, (a + b) / 2.0f, kTol);
        EXPECT_NEAR(op.y1, y, kTol);
        EXPECT_DOUBLE_EQ(op.fontSize, size);
        EXPECT_EQ(op.bold, bold);
    }
};

void expectSegment(const Op &op, float x1, float y1, float x2, float y2)
{
    EXPECT_NEAR(op.x1, x1, kTol);
    EXPECT_NEAR(op.y1, y1, kTol);
    EXPECT_NEAR(op.x2, x2, kTol);
    EXPECT_NEAR(op.y2, y2, kTol);
}

TEST_P(PrintLayoutTest, FrameAndEveryRulingInDrawingOrder)
{
    const RecordedPage r(page());
    const float y0 = Y(10), y1 = Y(1300), y2 = Y(2500), y3 = Y(2800), y4 = Y(7000), y5 = Y(9300), y6 = Y(11000),
                y7 = Y(11800), y8 = Y(12600), y9 = Y(13000), y10 = Y(14000);
    const QList<Op> lines = r.canvas.ofKind(Kind::Line);
    const float c[] = {X(700), X(3300), X(5950), X(6650), X(9000)};
    const struct {
        float x1, y1, x2, y2;
    } expected[] = {
        {x0(), y1, xR(), y1}, {x1(), y0, x1(), y1}, {x2(), y0, x2(), y2}, {x0(), y2, xR(), y2},
        {x0(), y3, xR(), y3}, {c[0], y2, c[0], y4}, {c[1], y2, c[1], y4}, {c[2], y2, c[2], y4},
        {c[3], y2, c[3], y4}, {c[4], y2, c[4], y4}, {x0(), y4, xR(), y4}, {x0(), y5, xR(), y5},
        {x0(), y6, xR(), y6}, {h(), y5, h(), y8},   {x0(), y7, xR(), y7}, {m(), y6, m(), y8},
        {n(), y6, n(), y8},
    };
    ASSERT_EQ(lines.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        expectSegment(lines[i], expected[i].x1, expected[i].y1, expected[i].x2, expected[i].y2);
        EXPECT_EQ(lines[i].lineWidth, 1);
    }

    const QList<Op> boxes = r.canvas.ofKind(Kind::Box);
    ASSERT_GE(boxes.size(), 2);
    expectSegment(boxes[0], x0(), y0, xR(), y9);
    expectSegment(boxes[1], x0(), y8, xR(), y10);
    EXPECT_EQ(boxes[0].fill, arc::PageCanvas::FillStyle::Transparent);
    EXPECT_EQ(boxes[1].fill, arc::PageCanvas::FillStyle::Transparent);

    // The right edge follows the printable width, not the factor.
    EXPECT_NEAR(boxes[0].x2, L().W - 5, kTol);
}

TEST_P(PrintLayoutTest, Blocks1To5AndTheItemHeadings)
{
    const RecordedPage r(page());
    const Sizes &z = L().size;
    const float y0 = Y(10), y1 = Y(1300), y2 = Y(2500);
    expectText(r, "1. Approving Civil Aviation", z.L, true, x0() + X(30), y0 + Y(50));
    expectText(r, "Authority/Country", z.L, true, x0() + X(280), y0 + Y(200));
    expectText(r, "FAA/United States", z.V, true, x0() + X(550), y0 + Y(500));
    expectText(r, "2.", z.L, true, x1() + X(30), y0 + Y(50));
    expectCentred(r, "AUTHORIZED RELEASE CERTIFICATE", z.T, true, x1(), x2(), y0 + Y(160));
    expectCentred(r, "FAA Form 8130-3, AIRWORTHINESS APPROVAL TAG", z.V, true, x1(), x2(), y0 + Y(800));
    expectText(r, "3. Form Tracking Number:", z.L, true, x2() + X(30), y0 + Y(50));
    expectText(r, "ARC-000123", z.V, true, x2() + X(550), y0 + Y(480));
    expectText(r, "4. Organization Name and Address:", z.L, true, x0() + X(30), y1 + Y(50));
    expectText(r, "5. Work Order/Contract/Invoice", z.L, true, x2() + X(30), y1 + Y(50));
    expectText(r, "Number:", z.L, true, x2() + X(30), y1 + Y(200));
    expectText(r, "WO 4471 / INV 88120", z.V, false, x2() + X(200), y1 + Y(450));

    expectText(r, "6. Item:", z.L, true, x0() + X(30), y2 + Y(40));
    const struct {
        float border, numberAt, captionAt;
        const char *number, *caption;
    } headings[] = {{700, 30, 1000, "7.", "Description:"},
                    {3300, 30, 600, "8.", "Part Number:"},
                    {5950, 30, 170, "9.", "Quantity:"},
                    {6650, 30, 350, "10.", "Serial Number:"},
                    {9000, 30, 400, "11.", "Status/Work:"}};
    for (const auto &hd : headings) {
        expectText(r, hd.number, z.L, true, X(hd.border) + X(hd.numberAt), y2 + Y(40));
        expectText(r, hd.caption, z.L, true, X(hd.border) + X(hd.captionAt), y2 + Y(40));
    }
}

TEST_P(PrintLayoutTest, Blocks13And14TextsAndValues)
{
    arc::CertificatePage p = page();
    p.name22 = "John Roe";
    p.date23 = "06/Dec/2026";
    const RecordedPage r(p);
    const Sizes &z = L().size;
    const float y5 = Y(9300), y6 = Y(11000), y7 = Y(11800);
    expectText(r, "13a. Certifies the items identified above were manufactured in conformity to:", z.L, true,
               x0() + X(30), y5 + Y(50));
    expectText(r, "Approved design data and are in a condition for safe operation.", z.B, false, x0() + X(650),
               y5 + Y(450));
    expectText(r, "Non-approved design data specified in Block 12.", z.B, false, x0() + X(650), y5 + Y(750));
    expectText(r, "13b. Authorized Signature:", z.L, true, x0() + X(30), y6 + Y(50));
    expectText(r, "13c. Approval/Authorization No.:", z.L, true, m() + X(30), y6 + Y(50));
    expectCentred(r, "DMIR-445-CE", z.B, false, m(), h(), y6 + Y(280));
    expectText(r, "13d. Name (typed or Printed):", z.L, true, x0() + X(30), y7 + Y(50));
    expectText(r, "Jane Doe", z.V, false, x0() + X(450), y7 + Y(280));
    expectText(r, "13e. Date (dd/mmm/yyyy):", z.L, true, m() + X(30), y7 + Y(50));
    expectText(r, "05/Dec/2026", z.V, false, m() + X(450), y7 + Y(280));

    expectText(r, "14a. ", z.B, true, h() + X(30), y5 + Y(50));
    expectText(r, "14 CFR 43.9 Return to Service", z.B, true, h() + X(460), y5 + Y(290));
    expectText(r, "Other regulation specified in Block 12", z.B, true, h() + X(2950), y5 + Y(290));
    expectText(r, "Certifies that unless otherwise specified in Block 12, the work identified in Block 11", z.B,
               false, h() + X(200), y5 + Y(620));
    expectText(r, "and described in Block 12 was accomplished in accordance with Title 14, Code of", z.B, false,
               h() + X(200), y5 + Y(810));
    expectText(r, "Federal Regulations, part 43 and in respect to that work, the items are approved for", z.B, false,
               h() + X(200), y5 + Y(1000));
    expectText(r, "return to service.", z.B, false, h() + X(200), y5 + Y(1220));
    expectText(r, "14b. Authorized Signature:", z.L, true, h() + X(30), y6 + Y(50));
    expectText(r, "14c. Approval/Certificate No.:", z.L, true, n() + X(30), y6 + Y(50));
    expectCentred(r, "VA2R123K", z.B, false, n(), xR(), y6 + Y(280));
    expectText(r, "14d. Name (Typed or Printed):", z.L, true, h() + X(30), y7 + Y(50));
    expectText(r, "John Roe", z.V, false, h() + X(450), y7 + Y(280));
    expectText(r, "14e. Date (dd/mmm/yyyy):", z.L, true, n() + X(30), y7 + Y(50));
    expectText(r, "06/Dec/2026", z.V, false, n() + X(450), y7 + Y(280));
}

TEST_P(PrintLayoutTest, CheckBoxesSolidWhenTickedOutlinedWhenNot)
{
    const float y5 = Y(9300);
    // The 13a boxes are placed across by s, not by F.
    const struct {
        float x1, y1, x2, y2;
    } corners[] = {{x0() + Y(275), y5 + Y(450), x0() + Y(475), y5 + Y(650)},
                   {x0() + Y(275), y5 + Y(750), x0() + Y(475), y5 + Y(950)},
                   {h() + X(200), y5 + Y(290), h() + X(400), y5 + Y(500)},
                   {h() + X(2700), y5 + Y(290), h() + X(2900), y5 + Y(500)}};
    for (const bool ticked : {true, false}) {
        SCOPED_TRACE(ticked ? "all ticked" : "none ticked");
        arc::CertificatePage p = page();
        p.approvedDesign = p.nonApprovedDesign = p.cfrReturnToService = p.otherRegulation = ticked;
        p.settings.shade = false;
        const RecordedPage r(p);
        const QList<Op> solid = r.canvas.ofKind(Kind::SolidBox);
        const QList<Op> boxes = r.canvas.ofKind(Kind::Box);
        // Frame and instructions box come first; nothing else is a box.
        const QList<Op> drawn = ticked ? solid : boxes.mid(2);
        ASSERT_EQ(drawn.size(), 4);
        EXPECT_EQ(ticked ? boxes.size() : solid.size(), ticked ? 2 : 0);
        for (int i = 0; i < 4; ++i) {
            expectSegment(drawn[i], corners[i].x1, corners[i].y1, corners[i].x2, corners[i].y2);
            if (!ticked) {
                EXPECT_EQ(drawn[i].fill, arc::PageCanvas::FillStyle::Transparent);
            }
        }
    }
    // One ticked, three clear.
    arc::CertificatePage p = page();
    p.approvedDesign = p.nonApprovedDesign = p.otherRegulation = false;
    p.cfrReturnToService = true;
    const RecordedPage r(p);
    ASSERT_EQ(r.canvas.ofKind(Kind::SolidBox).size(), 1);
    expectSegment(r.canvas.ofKind(Kind::SolidBox)[0], corners[2].x1, corners[2].y1, corners[2].x2, corners[2].y2);
}

TEST_P(PrintLayoutTest, ShadingGreysTheBlockRowZeroDoesNotUse)
{
    const float y5 = Y(9300), y8 = Y(12600);
    const struct {
        const char *status;
        bool block14Grey;
    } cases[] = {{"new", true}, {"Prototype", true}, {"NEW", true}, {"REPAIRED", false}, {"", false},
                 {"OVERHAULED", false}};
    for (const auto &cs : cases) {
        SCOPED_TRACE(cs.status);
        arc::CertificatePage p = page();
        p.settings.shade = true;
        p.lines[0].status = cs.status;
        p.lines[1].status = "REPAIRED"; // only row 0 decides
        const RecordedPage r(p);
        QList<Op> grey;
        for (const Op &op : r.canvas.ofKind(Kind::Box))
            if (op.fill == arc::PageCanvas::FillStyle::Solid)
                grey << op;
        ASSERT_EQ(grey.size(), 1);
        EXPECT_EQ(grey[0].fillColor, QColor(224, 224, 224));
        if (cs.block14Grey)
            expectSegment(grey[0], h(), y5, xR(), y8);
        else
            expectSegment(grey[0], x0(), y5, h(), y8);

        // The rulings of blocks 13 and 14 come after the grey, on top of it.
        const QList<Op> &ops = r.canvas.ops();
        qsizetype greyAt = -1, lastLine = -1;
        for (qsizetype i = 0; i < ops.size(); ++i) {
            if (ops[i].kind == Kind::Box && ops[i].fill == arc::PageCanvas::FillStyle::Solid)
                greyAt = i;
            if (ops[i].kind == Kind::Line)
                lastLine = i;
        }
        EXPECT_LT(greyAt, lastLine);
    }

    arc::CertificatePage off = page();
    off.settings.shade = false;
    const RecordedPage r(off);
    for (const Op &op : r.canvas.ofKind(Kind::Box))
        EXPECT_EQ(op.fill, arc::PageCanvas::FillStyle::Transparent);
}

TEST_P(PrintLayoutTest, SignatureInEachBlockWhoseNameIsFilled)
{
    const float y6 = Y(11000), y7 = Y(11800);
    // Measured after the 13b label's line end: CurrentX is 0.
    const float boxWidth = m() + X(30);
    const float boxHeight = y7 + Y(50) - (y6 + Y(50) + static_cast<float>(RecordedPage::lineHeight(L().size.L, true)));
    const struct {
        const char *name17, *name22;
        int pictures;
    } cases[] = {{"Jane Doe", "", 1}, {"", "John Roe", 1}, {"Jane Doe", "John Roe", 2}, {"", "", 0},
                 {" ", " ", 0}};
    for (const auto &cs : cases) {
        SCOPED_TRACE(std::string(cs.name17) + "/" + cs.name22);
        arc::CertificatePage p = page();
        p.name17 = cs.name17;
        p.name22 = cs.name22;
        const RecordedPage r(p);
        const QList<Op> pictures = r.canvas.ofKind(Kind::Picture);
        ASSERT_EQ(pictures.size(), cs.pictures);
        // Centred, proportions kept, in a box of the one size at each
        // block's left edge, filling the box one way.
        for (const Op &pic : pictures) {
            const float left = pic.x1 < h() ? x0() + X(30) : h() + X(30);
            EXPECT_NEAR(pic.x1 + pic.x2 / 2, left + boxWidth / 2, 0.05);
            EXPECT_NEAR(pic.y1 + pic.y2 / 2, y6 + Y(50) + boxHeight / 2, 0.05);
            EXPECT_NEAR(pic.x2 / pic.y2, 3.0, 1e-4);
            EXPECT_TRUE(std::abs(pic.x2 - boxWidth) < 0.05 || std::abs(pic.y2 - boxHeight) < 0.05);
        }
        if (cs.pictures == 1) {
            EXPECT_EQ(pictures[0].x1 < h(), QString(cs.name17) == "Jane Doe");
        }
    }

    arc::CertificatePage none = page();
    none.signature = QImage();
    EXPECT_TRUE(RecordedPage(none).canvas.ofKind(Kind::Picture).isEmpty());
}

TEST_P(PrintLayoutTest, InstructionsCutAtTheFixedPositions)
{
    const RecordedPage r(page());
    const Sizes &z = L().size;
    const float y8 = Y(12600), y9 = Y(13000);
    expectCentred(r, "User/Installer Responsibilities", z.V, true, x0(), xR(), y8 + Y(50));
    expectText(r,
               "It is important to understand that the existence of this document alone does not automatically "
               "constitute authority to install the aircraft engine/propeller/article.",
               z.I, false, x0() + X(150), y9 + Y(150));

    const QString pieces[] = {
        "Where the user/installer performs work in accordance with the national regulations of an airworthiness "
        "authority different than the airworthiness authority of the country ",
        "specified in block 1, it is essential that the user/installer ensures that his/her airworthiness "
        "authority accepts aircraft engine(s)/propeller(s)/article(s) from the airworth",
        "iness authority of the country specified in block 1. Statements in block 13a and 14a do not constitute "
        "installation certification. In all cases, aircraft maintenance reco",
        "rds must contain an installation certification issued in accordance with the national regulations by the "
        "user/installer before the aircraft may be flown.",
    };
    EXPECT_EQ(pieces[0].size(), 171);
    EXPECT_EQ(pieces[1].size(), 346 - 171);
    EXPECT_EQ(pieces[2].size(), 516 - 346);
    EXPECT_EQ(pieces[0].size() + pieces[1].size() + pieces[2].size() + pieces[3].size(), 669);
    const float ys[] = {300, 450, 600, 760};
    for (int i = 0; i < 4; ++i) {
        expectText(r, pieces[i], z.I, false, x0() + X(150), y9 + Y(ys[i]));
        EXPECT_EQ(r.text(pieces[i]).lineEnd, i < 3);
    }
}

TEST_P(PrintLayoutTest, FormNumberAndNsnOneSpaceInsideTheFrame)
{
    const RecordedPage r(page());
    const double B = L().size.B;
    const Op form = r.text("FAA FORM 8130-3 (02-14)");
    EXPECT_AT(form, x0(), Y(14000) + Y(50));
    EXPECT_FALSE(form.lineEnd);
    EXPECT_DOUBLE_EQ(form.fontSize, B);
    EXPECT_FALSE(form.bold);

    const Op nsn = r.text("NSN: 0052-00-012-9005");
    EXPECT_NEAR(nsn.y1, Y(14000) + Y(50), kTol);
    const double end = nsn.x1 + RecordedPage::width("NSN: 0052-00-012-9005", B, false);
    EXPECT_NEAR(xR() - end, RecordedPage::width(" ", B, false), 0.5);
}

TEST_P(PrintLayoutTest, OrientationSetFirstAndPortraitAgainAfterTheJob)
{
    const RecordedPage r(page());
    const QList<Op> &ops = r.canvas.ops();
    ASSERT_GE(ops.size(), 3);
    EXPECT_EQ(ops.first().kind, Kind::Orientation);
    EXPECT_EQ(ops.first().orientation, L().orientation);
    EXPECT_EQ(ops[ops.size() - 2].kind, Kind::EndJob);
    EXPECT_EQ(ops.last().kind, Kind::Orientation);
    EXPECT_EQ(ops.last().orientation, arc::PageCanvas::Orientation::Portrait);
    EXPECT_EQ(r.canvas.ofKind(Kind::EndJob).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Modes, PrintLayoutTest, testing::ValuesIn(kLayouts), layoutName);

} // namespace
