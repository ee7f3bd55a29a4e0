// The page figure by figure in each of the three layouts: frame, rulings,
// labels and values, check boxes, shading, signatures, the first
// instruction paragraph and the form-number line. Expected figures come
// from the layout tables: a named line is its base number times F (across)
// or s (down).

#include "PrintFixtures.h"

namespace {

using Op = RecordedPage::Op;
using Kind = RecordedPage::Kind;
using Fill = arc::PageCanvas::FillStyle;
using Orientation = arc::PageCanvas::Orientation;

struct Layout {
    const char *name;
    std::optional<QString> user1;
    float F, s;
    double L, B, V, T, I; // font sizes
    double W;             // printable width of Letter, quarter-inch margins
    Orientation orientation;
};

const Layout kLayouts[] = {
    {"P0", std::nullopt, p0::F, 1.0f, p0::L, p0::B, p0::V, 14, 7, 11520, Orientation::Portrait},
    {"P1", QString("1"), 1.05f, 1.0f, 6, 7, 8, 14, 7, 11520, Orientation::Portrait},
    {"LS", QString("2"), 1.31f, 1.2f, 6, 8, 10, 18, 7, 15120, Orientation::Landscape},
};

// ctest lists each case by its layout's name, not its bytes.
void PrintTo(const Layout &l, std::ostream *os) { *os << l.name; }

constexpr float R = -1; // stands for xR, the right frame edge

class PrintLayoutTest : public testing::TestWithParam<Layout> {
protected:
    const Layout &P() const { return GetParam(); }
    // A vertical line from its base number; R is the frame's right edge.
    float X(float base) const { return base == R ? static_cast<float>(P().W) - 5.0f : base * P().F; }
    float Y(float base) const { return base * P().s; }
    double size(char kind) const
    {
        const double sizes[] = {P().L, P().B, P().V, P().T, P().I};
        return sizes[QByteArray("LBVTI").indexOf(kind)];
    }
    arc::CertificatePage page() const
    {
        arc::CertificatePage p = fullCertificate();
        p.settings.orientation = P().user1;
        p.block14dName = "John Roe";
        p.block14eDate = "06/Dec/2026";
        return p;
    }

    // A text at (X(x) + X(dx), Y(y) + Y(dy)), or centred between X(x) and X(dx).
    struct Placed {
        const char *text;
        char size;
        bool bold;
        float x, dx, y, dy;
        bool centred = false;
    };
    void expectPlaced(const RecordedPage &r, const Placed &t) const
    {
        SCOPED_TRACE(t.text);
        const Op op = r.text(t.text);
        const double sz = size(t.size);
        EXPECT_DOUBLE_EQ(op.fontSize, sz);
        EXPECT_EQ(op.bold, t.bold);
        EXPECT_NEAR(op.y1, Y(t.y) + Y(t.dy), kTol);
        const double x = t.centred ? (X(t.x) + X(t.dx)) / 2.0f - RecordedPage::width(t.text, sz, t.bold) / 2
                                   : X(t.x) + X(t.dx);
        EXPECT_NEAR(op.x1, x, kTol);
    }
};

TEST_P(PrintLayoutTest, OrientationFrameAndEveryRulingInDrawingOrder)
{
    const RecordedPage r(page());
    // The orientation is set first, and portrait again after the job.
    const QList<Op> &ops = r.canvas.ops();
    ASSERT_GE(ops.size(), 3);
    EXPECT_EQ(ops.first().kind, Kind::Orientation);
    EXPECT_EQ(ops.first().orientation, P().orientation);
    EXPECT_EQ(ops[ops.size() - 2].kind, Kind::EndJob);
    EXPECT_EQ(ops.last().orientation, Orientation::Portrait);

    const QList<Op> boxes = r.canvas.ofKind(Kind::Box);
    ASSERT_GE(boxes.size(), 2);
    expectCorners(boxes[0], X(200), Y(10), X(R), Y(13000));
    expectCorners(boxes[1], X(200), Y(12600), X(R), Y(14000));
    EXPECT_EQ(boxes[0].fill, Fill::Transparent);

    const float y4 = 7000;
    const float lines[][4] = {
        {200, 1300, R, 1300},    {2650, 10, 2650, 1300},    {8450, 10, 8450, 2500},    {200, 2500, R, 2500},
        {200, 2800, R, 2800},    {700, 2500, 700, y4},      {3300, 2500, 3300, y4},    {5950, 2500, 5950, y4},
        {6650, 2500, 6650, y4},  {9000, 2500, 9000, y4},    {200, y4, R, y4},          {200, 9300, R, 9300},
        {200, 11000, R, 11000},  {5600, 9300, 5600, 12600}, {200, 11800, R, 11800},    {3600, 11000, 3600, 12600},
        {9000, 11000, 9000, 12600},
    };
    const QList<Op> drawn = r.canvas.ofKind(Kind::Line);
    ASSERT_EQ(drawn.size(), std::size(lines));
    for (size_t i = 0; i < std::size(lines); ++i) {
        SCOPED_TRACE(i);
        expectCorners(drawn[i], X(lines[i][0]), Y(lines[i][1]), X(lines[i][2]), Y(lines[i][3]));
        EXPECT_EQ(drawn[i].lineWidth, 1);
    }
}

TEST_P(PrintLayoutTest, LabelsValuesInstructionsAndTheNsn)
{
    const RecordedPage r(page());
    const Placed texts[] = {
        {"1. Approving Civil Aviation", 'L', true, 200, 30, 10, 50},
        {"Authority/Country", 'L', true, 200, 280, 10, 200},
        {"FAA/United States", 'V', true, 200, 550, 10, 500},
        {"2.", 'L', true, 2650, 30, 10, 50}, {"AUTHORIZED RELEASE CERTIFICATE", 'T', true, 2650, 8450, 10, 160, true},
        {"FAA Form 8130-3, AIRWORTHINESS APPROVAL TAG", 'V', true, 2650, 8450, 10, 800, true},
        {"3. Form Tracking Number:", 'L', true, 8450, 30, 10, 50}, {"ARC-000123", 'V', true, 8450, 550, 10, 480},
        {"4. Organization Name and Address:", 'L', true, 200, 30, 1300, 50},
        {"5. Work Order/Contract/Invoice", 'L', true, 8450, 30, 1300, 50}, {"Number:", 'L', true, 8450, 30, 1300, 200},
        {"WO 4471 / INV 88120", 'V', false, 8450, 200, 1300, 450},
        {"6. Item:", 'L', true, 200, 30, 2500, 40},
        {"7.", 'L', true, 700, 30, 2500, 40},   {"Description:", 'L', true, 700, 1000, 2500, 40},
        {"8.", 'L', true, 3300, 30, 2500, 40},  {"Part Number:", 'L', true, 3300, 600, 2500, 40},
        {"9.", 'L', true, 5950, 30, 2500, 40},  {"Quantity:", 'L', true, 5950, 170, 2500, 40},
        {"10.", 'L', true, 6650, 30, 2500, 40}, {"Serial Number:", 'L', true, 6650, 350, 2500, 40},
        {"11.", 'L', true, 9000, 30, 2500, 40}, {"Status/Work:", 'L', true, 9000, 400, 2500, 40},
        {"12. Remarks:", 'L', true, 200, 30, 7000, 50},
        {"13a. Certifies the items identified above were manufactured in conformity to:", 'L', true, 200, 30, 9300, 50},
        {"Approved design data and are in a condition for safe operation.", 'B', false, 200, 650, 9300, 450},
        {"Non-approved design data specified in Block 12.", 'B', false, 200, 650, 9300, 750},
        {"13b. Authorized Signature:", 'L', true, 200, 30, 11000, 50},
        {"13c. Approval/Authorization No.:", 'L', true, 3600, 30, 11000, 50},
        {"DMIR-445-CE", 'B', false, 3600, 5600, 11000, 280, true},
        {"13d. Name (typed or Printed):", 'L', true, 200, 30, 11800, 50},
        {"Jane Doe", 'V', false, 200, 450, 11800, 280},
        {"13e. Date (dd/mmm/yyyy):", 'L', true, 3600, 30, 11800, 50},
        {"05/Dec/2026", 'V', false, 3600, 450, 11800, 280},
        {"14a. ", 'B', true, 5600, 30, 9300, 50}, {"14 CFR 43.9 Return to Service", 'B', true, 5600, 460, 9300, 290},
        {"Other regulation specified in Block 12", 'B', true, 5600, 2950, 9300, 290},
        {"Certifies that unless otherwise specified in Block 12, the work identified in Block 11", 'B', false, 5600,
         200, 9300, 620},
        {"and described in Block 12 was accomplished in accordance with Title 14, Code of", 'B', false, 5600, 200,
         9300, 810},
        {"Federal Regulations, part 43 and in respect to that work, the items are approved for", 'B', false, 5600,
         200, 9300, 1000},
        {"return to service.", 'B', false, 5600, 200, 9300, 1220},
        {"14b. Authorized Signature:", 'L', true, 5600, 30, 11000, 50},
        {"14c. Approval/Certificate No.:", 'L', true, 9000, 30, 11000, 50},
        {"VA2R123K", 'B', false, 9000, R, 11000, 280, true},
        {"14d. Name (Typed or Printed):", 'L', true, 5600, 30, 11800, 50},
        {"John Roe", 'V', false, 5600, 450, 11800, 280},
        {"14e. Date (dd/mmm/yyyy):", 'L', true, 9000, 30, 11800, 50},
        {"06/Dec/2026", 'V', false, 9000, 450, 11800, 280},
        {"User/Installer Responsibilities", 'V', true, 200, R, 12600, 50, true},
        {"It is important to understand that the existence of this document alone does not automatically "
         "constitute authority to install the aircraft engine/propeller/article.",
         'I', false, 200, 150, 13000, 150},
        {"FAA FORM 8130-3 (02-14)", 'B', false, 200, 0, 14000, 50},
    };
    for (const Placed &t : texts)
        expectPlaced(r, t);
    EXPECT_FALSE(r.text("FAA FORM 8130-3 (02-14)").lineEnd);

    // The NSN ends one space's width left of the frame's right edge.
    const Op nsn = r.text("NSN: 0052-00-012-9005");
    EXPECT_NEAR(nsn.y1, Y(14000) + Y(50), kTol);
    const double end = nsn.x1 + RecordedPage::width("NSN: 0052-00-012-9005", P().B, false);
    EXPECT_NEAR(X(R) - end, RecordedPage::width(" ", P().B, false), 0.5);
}

TEST_P(PrintLayoutTest, CheckBoxesSolidWhenTickedOutlinedWhenNot)
{
    // The 13a boxes are placed across by s, not by F.
    const float y5 = Y(9300);
    const float corners[4][4] = {{X(200) + Y(275), y5 + Y(450), X(200) + Y(475), y5 + Y(650)},
                                 {X(200) + Y(275), y5 + Y(750), X(200) + Y(475), y5 + Y(950)},
                                 {X(5600) + X(200), y5 + Y(290), X(5600) + X(400), y5 + Y(500)},
                                 {X(5600) + X(2700), y5 + Y(290), X(5600) + X(2900), y5 + Y(500)}};
    for (const bool ticked : {true, false}) {
        SCOPED_TRACE(ticked);
        arc::CertificatePage p = page();
        p.approvedDesign = p.nonApprovedDesign = p.cfrReturnToService = p.otherRegulation = ticked;
        p.settings.shade = false;
        const RecordedPage r(p);
        const QList<Op> solid = r.canvas.ofKind(Kind::SolidBox);
        const QList<Op> boxes = r.canvas.ofKind(Kind::Box).mid(2); // after frame and instructions box
        const QList<Op> drawn = ticked ? solid : boxes;
        ASSERT_EQ(drawn.size(), 4);
        EXPECT_TRUE((ticked ? boxes : solid).isEmpty());
        for (int i = 0; i < 4; ++i) {
            expectCorners(drawn[i], corners[i][0], corners[i][1], corners[i][2], corners[i][3]);
            EXPECT_EQ(drawn[i].fill, Fill::Transparent);
        }
    }
}

TEST_P(PrintLayoutTest, ShadingGreysTheBlockRowZeroDoesNotUse)
{
    const struct {
        const char *status;
        bool block14Grey;
    } cases[] = {{"new", true}, {"Prototype", true}, {"REPAIRED", false}, {"", false}, {"OVERHAULED", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.status);
        arc::CertificatePage p = page();
        p.lines[0].status = c.status;
        p.lines[1].status = c.block14Grey ? "REPAIRED" : "NEW"; // only row 0 decides
        const RecordedPage r(p);
        const QList<Op> &ops = r.canvas.ops();
        const auto isGrey = [](const Op &op) { return op.kind == Kind::Box && op.fill == Fill::Solid; };
        ASSERT_EQ(std::ranges::count_if(ops, isGrey), 1);
        const auto grey = std::ranges::find_if(ops, isGrey);
        EXPECT_EQ(grey->fillColor, QColor(224, 224, 224));
        expectCorners(*grey, X(c.block14Grey ? 5600 : 200), Y(9300), X(c.block14Grey ? R : 5600), Y(12600));
        // The rulings lie on top of the grey.
        EXPECT_TRUE(std::any_of(grey, ops.end(), [](const Op &op) { return op.kind == Kind::Line; }));
    }
}

TEST_P(PrintLayoutTest, SignatureOnlyInABlockNamingTheSignatory)
{
    // One box size for both: from the label's top as wide as block 13b
    // leaves, down to a label line above the next ruling.
    const float width = X(3600) - X(30) - (X(200) + X(30));
    const float height = Y(11800) + Y(50) - (Y(11000) + Y(50) + static_cast<float>(RecordedPage::lineHeight(P().L, true)));
    const struct {
        const char *block13dName, *block14dName;
        bool in13, in14;
    } cases[] = {{"Jane Doe", "", true, false},         {"", "Jane Doe", false, true},
                 {"Jane Doe", "John Roe", true, false}, {"John Roe", " Jane Doe ", false, true},
                 {"Jane Doe", "Jane Doe", true, true},  {"John Roe", "", false, false},
                 {" ", " ", false, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.block13dName) + "/" + c.block14dName);
        arc::CertificatePage p = page();
        p.block13dName = c.block13dName;
        p.block14dName = c.block14dName;
        const QList<Op> pictures = RecordedPage(p).canvas.ofKind(Kind::Picture);
        ASSERT_EQ(pictures.size(), int(c.in13) + int(c.in14));
        for (const Op &pic : pictures) {
            const bool in13 = pic.x1 < X(5600);
            EXPECT_TRUE(in13 ? c.in13 : c.in14);
            // Centred in the box at the block's left and filling it one way.
            EXPECT_NEAR(pic.x1 + pic.x2 / 2, X(in13 ? 200 : 5600) + X(30) + width / 2, 0.05);
            EXPECT_NEAR(pic.y1 + pic.y2 / 2, Y(11000) + Y(50) + height / 2, 0.05);
            EXPECT_TRUE(std::abs(pic.x2 - width) < 0.05 || std::abs(pic.y2 - height) < 0.05);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, PrintLayoutTest, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<Layout> &i) { return std::string(i.param.name); });

} // namespace
