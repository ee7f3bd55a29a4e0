// Each page, in each of the three layouts, drawn as recorded in
// pages/NAME-LAYOUT.ops: every text, ruling, box, shading and signature
// with its place, font and fill, and each notice of a cut cell where it is
// told (before that cell's lines). No text may cross a ruling, overprint
// another or leave the sheet.
// After a deliberate change of the layout, record the pages again with
//   ARC_RECORD_PAGES=1 ctest -R PageDrawing
// and read the difference before committing it.

#include "PageCheck.h"
#include "PrintFixtures.h"
#include "PrintMode.h"
#include "QrEncoding.h"
#include "TempFolder.h"

#include <QDir>
#include <functional>
#include "TestPaths.h"

namespace {

using Op = RecordedPage::Op;
using Kind = RecordedPage::Kind;

// A page's drawing as lines of text, one operation or notice a line, in
// drawing order.
QStringList drawing(const RecordedPage &r)
{
    const auto n = [](double v) { return QString::number(v, 'f', 2); };
    const auto corners = [&](const Op &op) { return QStringList{n(op.x1), n(op.y1), n(op.x2), n(op.y2)}.join(' '); };
    QStringList out;
    for (qsizetype i = 0, told = 0; i <= r.canvas.ops().size(); ++i) {
        for (; told < r.notices.size() && r.toldAfter[told] == i; ++told)
            out << QString("notice \"%1\"").arg(r.notices[told]);
        if (i == r.canvas.ops().size())
            break;
        const Op &op = r.canvas.ops()[i];
        switch (op.kind) {
        case Kind::Orientation:
            out << (op.orientation == arc::PageCanvas::Orientation::Landscape ? "landscape" : "portrait");
            break;
        case Kind::Text:
            out << QString("text %1 %2 size %3%4 condense %5%6 \"%7\"")
                       .arg(n(op.x1), n(op.y1), n(op.fontSize), op.bold ? " bold" : "", QString::number(op.condense, 'f', 3),
                            op.lineEnd ? " end" : "", op.text);
            break;
        case Kind::Line:
            out << QString("line %1 width %2").arg(corners(op)).arg(op.lineWidth);
            break;
        case Kind::Box:
        case Kind::SolidBox:
            out << QString("%1 %2 %3")
                       .arg(op.kind == Kind::Box ? "box" : "solid", corners(op),
                            op.fill == arc::PageCanvas::FillStyle::Solid ? "filled " + op.fillColor.name() : "open");
            break;
        case Kind::Picture:
            out << QString("picture %1 image %2x%3").arg(corners(op)).arg(op.image.width()).arg(op.image.height());
            break;
        case Kind::NewPage:
            out << "new page";
            break;
        case Kind::DarkSquares: {
            QStringList squares;
            for (const QRectF &q : op.squares)
                squares << QStringList{n(q.left()), n(q.top()), n(q.width()), n(q.height())}.join(' ');
            out << QString("dark squares %1: %2").arg(corners(op), squares.join(", "));
            break;
        }
        case Kind::EndJob:
            out << "end of job";
            break;
        }
    }
    const arc::SheetFit fit = r.canvas.sheetFit();
    out << QString("on the sheet: scale %1 dx %2 dy %3").arg(QString::number(fit.scale, 'f', 4), n(fit.dx), n(fit.dy));
    return out;
}

QString description(int lines)
{
    const char *parts[] = {"FUEL PUMP ASSEMBLY", "HIGH PRESSURE STAGE", "WITH MOUNTING KIT"};
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << parts[i % 3];
    return text.join("\r\n");
}

arc::CertificatePage tenItems(bool largeRemarks, const QString &remarks)
{
    arc::CertificatePage p;
    p.settings.largeRemarks = largeRemarks;
    for (int r = 0; r < arc::kGridRows; ++r)
        p.lines[r] = itemLine(QString::number(r + 1), description(1 + r % 2), "PN 1", "1", "SN 1", "NEW");
    p.remarks = remarks;
    return p;
}

// `items` serialised lines and `remarks` lines of block 12 on a signed
// certificate of `form`.
arc::CertificatePage many(int items, int remarks, const char *form = "FAA Form 8130-3", bool maintenance = false)
{
    arc::CertificatePage p = fullCertificate();
    p.form = form;
    p.lines.assign(std::size_t(items), {});
    for (int r = 0; r < items; ++r)
        p.lines[std::size_t(r)] = itemLine(QString::number(r + 1), QString("PART %1").arg(r + 1), QString("PN-%1").arg(r + 1), "1",
                                           QString("SN-%1").arg(1000 + r), maintenance ? "REPAIRED" : "NEW");
    p.lines = arc::paddedLines(p.lines);
    QStringList lines;
    for (int n = 1; n <= remarks; ++n)
        lines << QString("Remark %1: inspected to the approved design data.").arg(n);
    p.remarks = lines.join("\r\n");
    return p;
}

arc::CertificatePage signedInBoth()
{
    arc::CertificatePage p = fullCertificate();
    p.block14dName = "John Roe";
    p.block14eDate = "06/Dec/2026";
    return p;
}

struct PageCase {
    const char *name;
    arc::CertificatePage (*start)();
    std::function<void(arc::CertificatePage &)> change;
    // An EASA or UK form: one landscape page whatever the setting, drawn
    // from the portrait setting and recorded as pages/NAME.ops.
    bool landscapeOnly = false;

    arc::CertificatePage make() const
    {
        arc::CertificatePage p = start();
        if (change)
            change(p);
        return p;
    }
};

arc::CertificatePage blank() { return {}; }

arc::QrMatrix verificationCode()
{
    return arc::QrEncoding::of("https://verify.velloran.example/c/ARC-000123?k=T6DNBAEIRR6GLGRP").value();
}

// A certificate on an EASA or UK form, released in block 14 or 13.
arc::CertificatePage onForm(const char *form, const char *authority, bool maintenance)
{
    arc::CertificatePage p = signedInBoth();
    p.form = form;
    p.country = authority;
    if (maintenance) {
        p.lines[0].status = p.lines[1].status = "REPAIRED";
        p.approvedDesign = false;
        p.cfrReturnToService = true;
    }
    return p;
}

const PageCase kPages[] = {
    // Block 14 grey (row 0 is NEW), 13a approved ticked, signed in 13.
    {"full", signedInBoth, {}},
    // Every box ticked, block 13 grey, the signature in 14 by its trimmed name.
    {"ticked-repaired", signedInBoth,
     [](arc::CertificatePage &p) {
         p.approvedDesign = p.nonApprovedDesign = p.cfrReturnToService = p.otherRegulation = true;
         p.lines[0].status = "REPAIRED";
         p.block13dName = "John Roe";
         p.block14dName = " Jane Doe ";
     }},
    // No box ticked, no shading, signed in both blocks.
    {"unticked-signed-twice", signedInBoth,
     [](arc::CertificatePage &p) {
         p.approvedDesign = false;
         p.settings.shade = false;
         p.block14dName = p.block13dName;
     }},
    {"empty", blank, {}},
    // Everything long: shrunk onto the sheet where it is too high for it.
    {"long", [] { return longCertificate(std::nullopt); }, {}},
    // Too wide for its box: condensed where it stands; block 5 wraps.
    {"long-invoice", blank,
     [](arc::CertificatePage &p) {
         p.invoice = "WORK ORDER 4471-2026-0001234 / CONTRACT AB-99812-XYZ";
         p.organ1 = "ABC";
         p.organ2 = "L0\r\nL1\r\nL2\r\nL3";
     }},
    // Ten items of one or two lines above block 12, in both remarks sections.
    {"ten-items", [] { return tenItems(false, "Remarks start here"); }, {}},
    {"ten-items-large-remarks", [] { return tenItems(true, "First remark\r\nSecond remark"); }, {}},
    // Ten rows of three lines: the gap, then the size, gives way.
    {"three-line-items", blank,
     [](arc::CertificatePage &p) {
         for (int r = 0; r < arc::kGridRows; ++r)
             p.lines[r] = itemLine(QString::number(r + 1), description(3), QString("PN %1").arg(r), "2", "SN 1", "NEW");
     }},
    // Rows start below the tallest cell above, numbered or not; an empty
    // slot takes only its gap.
    {"rows-without-number", blank,
     [](arc::CertificatePage &p) {
         p.lines[0] = itemLine("1", "A0\r\nB0\r\nC0", "P0", "Q0", "S0", "NEW");
         p.lines[1] = itemLine(" ", "A1\r\nB1", "PN 2");
         p.lines[2] = itemLine("", "A2", "PN 3");
         p.lines[4] = itemLine("5", "A4");
         p.lines[5] = itemLine("6", "HYDRAULIC ACCUMULATOR PRECHARGE VALVE ASSEMBLY WITH BRACKETS AND FITTINGS", "PN 1");
     }},
    // Five lines in each of blocks 4 and 5, above the item heading.
    {"blocks-4-and-5", blank,
     [](arc::CertificatePage &p) {
         p.organ1 = "Velloran Aero Components\r\n1200 Airport Road\r\nHangar 4\r\nWichita, KS 67209\r\nUnited States";
         p.invoice = "WO 4471\r\nCONTRACT 99812\r\nINVOICE 88120\r\nBATCH 17\r\nLOT 2026-03";
     }},
    // Each cell wraps at its own width inside its column; an item cell of
    // more than ten lines is told under the remarks' title, as the remarks are.
    {"wrapped-cells", blank,
     [](arc::CertificatePage &p) {
         QStringList words;
         for (int i = 0; i < 60; ++i)
             words << QString("w%1 %2").arg(i % 10).arg(i % 3 ? "abc" : "de");
         p.remarks = words.join(' ');
         p.invoice = words.mid(0, 10).join(' ');
         p.lines[0] = itemLine("1", p.remarks, p.remarks, p.remarks, p.remarks, p.remarks);
     }},
    // More than ten lines: block 5 prints ten and tells; block 12 prints
    // every line its box holds, never cut.
    {"over-ten-lines", blank,
     [](arc::CertificatePage &p) {
         for (int i = 1; i <= 12; ++i)
             p.remarks += QString("R%1\r\n").arg(i);
         p.invoice = "I1\r\nI2\r\nI3\r\nI4\r\nI5\r\nI6\r\nI7\r\nI8\r\nI9\r\nI10\r\nI11";
         p.lines[0].description = "D1\r\nD2\r\nD3\r\nD4\r\nD5\r\nD6\r\nD7\r\nD8\r\nD9\r\nD10"; // exactly ten
     }},
    // What the smallest size cannot hold is left out and told in blocks 4
    // and 5; the items go on a continuation sheet.
    {"too-much", blank,
     [](arc::CertificatePage &p) {
         p.settings.largeRemarks = true;
         for (int r = 0; r < arc::kGridRows; ++r)
             p.lines[r] = itemLine(QString::number(r + 1), description(10), "PN 1");
         QStringList organ;
         for (int i = 0; i < 20; ++i)
             organ << QString("Line %1").arg(i);
         p.organ2 = organ.join("\r\n");
         p.invoice = QString("Invoice\r\n").repeated(9);
     }},
    // Continuation sheets: the items and the remarks the form's page cannot
    // hold, in order, after it; every page numbered.
    {"items-1-remarks-200", [] { return many(1, 200); }, {}},
    {"items-11-remarks-0", [] { return many(11, 0); }, {}},
    {"items-40-remarks-10", [] { return many(40, 10); }, {}},
    {"easa-maintenance-items-10-remarks-200", [] { return many(10, 200, "EASA Form 1 (maintenance)", true); }, {}, true},
    {"easa-production-items-40-remarks-0", [] { return many(40, 0, "EASA Form 1 (production)"); }, {}, true},
    {"uk-maintenance-items-200-remarks-10", [] { return many(200, 10, "UK CAA Form 1 (maintenance)", true); }, {}, true},
    {"uk-production-items-11-remarks-200", [] { return many(11, 200, "UK CAA Form 1 (production)"); }, {}, true},
    // An issued page: its QR code in the space the layout leaves free.
    {"verified", signedInBoth, [](arc::CertificatePage &p) { p.verification = verificationCode(); }},
    {"uk-verified",
     [] {
         arc::CertificatePage p = onForm("UK CAA Form 1 (maintenance)", "CAA / United Kingdom", true);
         p.verification = verificationCode();
         return p;
     },
     {}, true},
    {"easa-maintenance", [] { return onForm("EASA Form 1 (maintenance)", "LBA / Germany", true); }, {}, true},
    {"easa-production", [] { return onForm("EASA Form 1 (production)", "EASA", false); }, {}, true},
    {"uk-maintenance", [] { return onForm("UK CAA Form 1 (maintenance)", "CAA / United Kingdom", true); }, {}, true},
    {"uk-production", [] { return onForm("UK CAA Form 1 (production)", "CAA / United Kingdom", false); }, {}, true},
};

struct PageInLayout {
    const PageCase *page;
    size_t layout; // in kModeCases
    const char *layoutName() const { return kModeCases[layout].name; }
    QString fileName() const
    {
        return page->landscapeOnly ? QString(page->name) : QString("%1-%2").arg(page->name, layoutName());
    }
};
void PrintTo(const PageInLayout &c, std::ostream *os) { *os << c.fileName().toStdString(); }

std::vector<PageInLayout> pagesInLayouts()
{
    std::vector<PageInLayout> all;
    for (const PageCase &page : kPages)
        for (size_t layout = 0; layout < (page.landscapeOnly ? 1 : std::size(kModeCases)); ++layout)
            all.push_back({&page, layout});
    return all;
}

class PageDrawingTest : public testing::TestWithParam<PageInLayout> {};

TEST_P(PageDrawingTest, DrawnAsRecordedWithItsNoticesAndNothingOverprinted)
{
    arc::CertificatePage page = GetParam().page->make();
    page.settings.orientation = kModeCases[GetParam().layout].user1;
    const RecordedPage r(page);
    EXPECT_EQ(r.result.truncatedCells, r.notices);
    EXPECT_EQ(pageFaults(r.canvas).join("\n"), "");

    const QString path = QString(test_paths::source("tests/printing/pages/%1.ops")).arg(GetParam().fileName());
    const QStringList drawn = drawing(r);
    if (qEnvironmentVariableIsSet("ARC_RECORD_PAGES")) {
        ASSERT_TRUE(QDir().mkpath(test_paths::source("tests/printing/pages")));
        return writeFile(path, (drawn.join('\n') + '\n').toUtf8());
    }
    const QStringList recorded = QString::fromUtf8(readFile(path)).split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(recorded.isEmpty()) << path.toStdString() << " is missing: record it with ARC_RECORD_PAGES=1";
    for (qsizetype i = 0; i < std::max(drawn.size(), recorded.size()); ++i) {
        const QString want = recorded.value(i, "(nothing)"), got = drawn.value(i, "(nothing)");
        ASSERT_EQ(got, want) << "operation " << i + 1 << " of " << path.toStdString()
                             << "; if the layout changed on purpose, record again with ARC_RECORD_PAGES=1";
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageDrawingTest, testing::ValuesIn(pagesInLayouts()),
                         [](const testing::TestParamInfo<PageInLayout> &i) {
                             return i.param.fileName().replace('-', '_').toStdString();
                         });

// Which block is signed and which is grey: by the names and row 0's status.
TEST(PageChoicesTest, SignatureUnderItsOwnersNameAndTheBlockRowZeroUsesLeftWhite)
{
    const struct {
        const char *block13dName, *block14dName;
        bool in13, in14;
    } names[] = {{"Jane Doe", "", true, false},         {"", "Jane Doe", false, true},
                 {"Jane Doe", "John Roe", true, false}, {"John Roe", " Jane Doe ", false, true},
                 {"Jane Doe", "Jane Doe", true, true},  {"John Roe", "", false, false},
                 {" ", " ", false, false}};
    arc::CertificatePage p = fullCertificate();
    for (const auto &c : names) {
        SCOPED_TRACE(std::string(c.block13dName) + "/" + c.block14dName);
        EXPECT_EQ(p.signsAbove(c.block13dName), c.in13);
        EXPECT_EQ(p.signsAbove(c.block14dName), c.in14);
    }
    arc::CertificatePage unsigned_ = p;
    unsigned_.signer = " ";
    EXPECT_FALSE(unsigned_.signsAbove(" "));
    unsigned_ = p;
    unsigned_.signature = QImage();
    EXPECT_FALSE(unsigned_.carriesSignature());

    // Which statuses select block 13 is the sign-in fill's table; here row 0 decides, in any case.
    for (const auto &[status, block13] : {std::pair{"new", true}, {"REPAIRED", false}}) {
        p.lines[0].status = status;
        p.lines[1].status = block13 ? "REPAIRED" : "NEW"; // only row 0 decides
        EXPECT_EQ(p.block13Applies(), block13) << status;
    }
}

// Beyond the layouts' own settings drawn above.
TEST(PrintModeTest, AnyNumberAboveOneIsLandscapeAnythingElsePortrait)
{
    EXPECT_EQ(arc::PrintMode::forSetting(QString("3")).name, arc::PrintMode::Name::LS);
    EXPECT_EQ(arc::PrintMode::forSetting(QString("x")).name, arc::PrintMode::Name::P1);
}

} // namespace
