#include "PrintCertificate.h"

#include "AddressLines.h"
#include "BlankRule.h"
#include "PageCanvas.h"
#include "PageGeometry.h"
#include "PrintSignature.h"
#include "WrapToWidth.h"

namespace arc {

namespace {

constexpr int kMaxCellLines = 10;

const QString kSection5TooLong = QStringLiteral("Section 5 too long");
const QString kRemarksTooLong = QStringLiteral("Remarks section too long");

const QString kFirstParagraph = QStringLiteral(
    "It is important to understand that the existence of this document alone does not automatically constitute "
    "authority to install the aircraft engine/propeller/article.");

// Printed in four pieces cut at fixed character positions, inside words.
const QString kSecondParagraph = QStringLiteral(
    "Where the user/installer performs work in accordance with the national regulations of an airworthiness "
    "authority different than the airworthiness authority of the country specified in block 1, it is essential "
    "that the user/installer ensures that his/her airworthiness authority accepts aircraft "
    "engine(s)/propeller(s)/article(s) from the airworthiness authority of the country specified in block 1. "
    "Statements in block 13a and 14a do not constitute installation certification. In all cases, aircraft "
    "maintenance records must contain an installation certification issued in accordance with the national "
    "regulations by the user/installer before the aircraft may be flown.");

// One procedure's shared state: the canvas, the mode and the positions.
class Page {
public:
    Page(PageCanvas &canvas, const PrintMode &mode, const PageGeometry &g, const TruncationNotice &notice,
         PrintResult &result)
        : c(canvas), mode(mode), g(g), m_notice(notice), m_result(result)
    {
    }

    void font(double size, bool bold)
    {
        c.setFontSize(size);
        c.setFontBold(bold);
    }

    void at(float x, float y)
    {
        c.setCurrentX(x);
        c.setCurrentY(y);
    }

    void text(double size, bool bold, float x, float y, const QString &s, bool lineEnd = true)
    {
        font(size, bold);
        at(x, y);
        c.print(s, lineEnd);
    }

    void label(float x, float y, const QString &s) { text(mode.label, true, x, y, s); }

    // Centred between a and b in the current font.
    void centred(float a, float b, const QString &s, bool lineEnd = true)
    {
        c.setCurrentX((a + b) / 2.0f - c.textWidth(s) / 2.0);
        c.print(s, lineEnd);
    }

    // A multi-line value wrapped to the column, from CurrentY down, in the
    // current font; at most ten lines, the cut announced first.
    void wrappedCell(const QString &value, float width, float x, int fetchLimit, const QString &title)
    {
        if (value.isEmpty())
            return;
        QStringList lines = WrapToWidth(value, width, fetchLimit, c);
        if (lines.size() > kMaxCellLines) {
            lines.resize(kMaxCellLines);
            m_result.truncatedCells << title;
            if (m_notice)
                m_notice(title);
        }
        for (const QString &line : lines) {
            c.setCurrentX(x);
            c.print(line);
        }
    }

    PageCanvas &c;
    const PrintMode &mode;
    const PageGeometry &g;

private:
    const TruncationNotice &m_notice;
    PrintResult &m_result;
};

// The remarks size: a wrap box may take a smaller size than the printer
// for the same request; it is asked in steps of 0.1 point until it takes
// no less, but never more than two points above the body size.
double remarksSize(const PageCanvas &c, double body)
{
    const double printer = c.takenSize(body);
    float size = static_cast<float>(body);
    while (c.takenSize(size) < printer && size < body + 2.0)
        size += 0.1f;
    return size;
}

} // namespace

PrintResult PrintCertificate(PageCanvas &c, const CertificatePage &page, const TruncationNotice &notice)
{
    PrintResult result;
    const PrintMode mode = PrintMode::forSetting(page.settings.orientation);
    c.setOrientation(mode.orientation);
    const PageGeometry g(mode, c.printableWidth(), page.settings.largeRemarks);
    Page p(c, mode, g, notice, result);
    const auto X = [&](float base) { return g.X(base); };
    const auto Y = [&](float base) { return g.Y(base); };

    c.setFontName(QStringLiteral("Arial"));
    p.font(mode.body, false);
    const double remarks = remarksSize(c, mode.body);

    c.setTransparentText(true);
    c.setFillStyle(PageCanvas::FillStyle::Transparent);
    c.setFillColor(Qt::white);
    c.setLineWidth(1);

    // Frame, instructions box and the rulings of blocks 1 to 5.
    c.box(g.x0, g.y0, g.xR, g.y9);
    c.box(g.x0, g.y8, g.xR, g.y10);
    c.line(g.x0, g.y1, g.xR, g.y1);
    c.line(g.x1, g.y0, g.x1, g.y1);
    c.line(g.x2, g.y0, g.x2, g.y2);

    // Blocks 1 to 3.
    p.label(g.x0 + X(30), g.y0 + Y(50), QStringLiteral("1. Approving Civil Aviation"));
    p.label(g.x0 + X(280), g.y0 + Y(200), QStringLiteral("Authority/Country"));
    p.text(mode.value, true, g.x0 + X(550), g.y0 + Y(500), page.country);
    p.label(g.x1 + X(30), g.y0 + Y(50), QStringLiteral("2."));
    p.font(mode.title, true);
    c.setCurrentY(g.y0 + Y(160));
    p.centred(g.x1, g.x2, QStringLiteral("AUTHORIZED RELEASE CERTIFICATE"));
    p.font(mode.value, true);
    c.setCurrentY(g.y0 + Y(800));
    p.centred(g.x1, g.x2, QStringLiteral("FAA Form 8130-3, AIRWORTHINESS APPROVAL TAG"));
    p.label(g.x2 + X(30), g.y0 + Y(50), QStringLiteral("3. Form Tracking Number:"));
    p.text(mode.value, true, g.x2 + X(550), g.y0 + Y(480), page.tracking);

    // Block 4: two columns broken by character count, no line limit.
    c.line(g.x0, g.y2, g.xR, g.y2);
    p.label(g.x0 + X(30), g.y1 + Y(50), QStringLiteral("4. Organization Name and Address:"));
    p.font(mode.body, false);
    for (const auto &[column, x] : {std::pair{&page.organ1, g.x0 + X(1000)}, std::pair{&page.organ2, g.x0 + X(5000)}}) {
        const QStringList lines = addressLines(*column);
        for (int k = 0; k < lines.size(); ++k) {
            p.at(x, g.y1 + Y(250.0f + 200.0f * static_cast<float>(k)));
            c.print(lines[k]);
        }
    }

    // Item heading rulings and column borders.
    c.line(g.x0, g.y3, g.xR, g.y3);
    for (float border : {g.c7, g.c8, g.c9, g.c10, g.c11})
        c.line(border, g.y2, border, g.y4);

    // Block 5.
    p.label(g.x2 + X(30), g.y1 + Y(50), QStringLiteral("5. Work Order/Contract/Invoice"));
    p.label(g.x2 + X(30), g.y1 + Y(200), QStringLiteral("Number:"));
    p.font(mode.value, false);
    c.setCurrentY(g.y1 + Y(450));
    p.wrappedCell(page.invoice, X(2300), g.x2 + X(200), 300, kSection5TooLong);

    // Item heading row.
    const float heading = g.y2 + Y(40);
    p.label(g.x0 + X(30), heading, QStringLiteral("6. Item:"));
    const struct {
        float border, numberAt, captionAt;
        const char *number, *caption;
    } captions[] = {{g.c7, 30, 1000, "7.", "Description:"},
                    {g.c8, 30, 600, "8.", "Part Number:"},
                    {g.c9, 30, 170, "9.", "Quantity:"},
                    {g.c10, 30, 350, "10.", "Serial Number:"},
                    {g.c11, 30, 400, "11.", "Status/Work:"}};
    for (const auto &cap : captions) {
        p.label(cap.border + X(cap.numberAt), heading, QString::fromLatin1(cap.number));
        p.label(cap.border + X(cap.captionAt), heading, QString::fromLatin1(cap.caption));
    }
    c.line(g.x0, g.y4, g.xR, g.y4);

    // Item rows 0 to 9. A row is pushed below the lowest line of the one
    // before only when it has an item number of its own.
    p.font(mode.body, false);
    float rowTop = g.y3 + Y(100);
    for (int r = 0; r < kItemSlots; ++r) {
        const ItemLine &line = page.lines[r];
        c.setCurrentY(rowTop);
        double rowBottom = rowTop;
        p.centred(g.x0, g.c7, line.item, false);
        const struct {
            const QString *value;
            float width, x;
            int limit;
        } cells[] = {{&line.description, X(2600), g.c7 + X(100), 300},
                     {&line.partNum, X(2650), g.c8 + X(100), 450},
                     {&line.quantity, X(600), g.c9 + X(250), 300},
                     {&line.serialNum, X(2350), g.c10 + X(100), 450},
                     {&line.status, X(1800), g.c11 + X(250), 300}};
        for (const auto &cell : cells) {
            c.setCurrentY(rowTop);
            p.wrappedCell(*cell.value, cell.width, cell.x, cell.limit, kRemarksTooLong);
            if (c.currentY() > rowBottom)
                rowBottom = c.currentY();
        }
        // There is no row after the last one: it counts as blank.
        const bool nextNumbered = r + 1 < kItemSlots && !BlankRule::isBlank(page.lines[r + 1].item);
        rowTop = nextNumbered ? static_cast<float>(rowBottom) + Y(300) : rowTop + Y(300);
    }

    // Block 12: the first line one label line below the label's top.
    c.line(g.x0, g.y5, g.xR, g.y5);
    p.label(g.x0 + X(30), g.y4 + Y(50), QStringLiteral("12. Remarks:"));
    p.font(remarks, false);
    p.wrappedCell(page.remarks, 10800.0f - X(800), g.x0 + X(800), 300, kRemarksTooLong);

    // Grey over the block that does not apply.
    if (page.settings.shade) {
        c.setFillStyle(PageCanvas::FillStyle::Solid);
        c.setFillColor(QColor(224, 224, 224));
        if (page.block13Applies())
            c.box(g.h, g.y5, g.xR, g.y8);
        else
            c.box(g.x0, g.y5, g.h, g.y8);
    }
    c.setFillStyle(PageCanvas::FillStyle::Transparent);
    c.setFillColor(Qt::black);

    // Block 13a.
    p.label(g.x0 + X(30), g.y5 + Y(50),
            QStringLiteral("13a. Certifies the items identified above were manufactured in conformity to:"));
    p.text(mode.body, false, g.x0 + X(650), g.y5 + Y(450),
           QStringLiteral("Approved design data and are in a condition for safe operation."));
    p.text(mode.body, false, g.x0 + X(650), g.y5 + Y(750), QStringLiteral("Non-approved design data specified in Block 12."));

    // 13b, and the one signature box size both signatures use: measured
    // after the label's line end, so it starts from CurrentX 0.
    c.setLineWidth(1);
    p.label(g.x0 + X(30), g.y6 + Y(50), QStringLiteral("13b. Authorized Signature:"));
    const float signatureWidth = g.m + X(30) - static_cast<float>(c.currentX());
    const float signatureHeight = g.y7 + Y(50) - static_cast<float>(c.currentY());
    if (!page.signature.isNull() && !BlankRule::isBlank(page.name17))
        PrintSignature(c, page.signature, g.x0 + X(30), g.y6 + Y(50), signatureWidth, signatureHeight);

    // 13c to 13e.
    p.label(g.m + X(30), g.y6 + Y(50), QStringLiteral("13c. Approval/Authorization No.:"));
    p.font(mode.body, false);
    c.setCurrentY(g.y6 + Y(280));
    p.centred(g.m, g.h, page.authNum);
    p.label(g.x0 + X(30), g.y7 + Y(50), QStringLiteral("13d. Name (typed or Printed):"));
    p.text(mode.value, false, g.x0 + X(450), g.y7 + Y(280), page.name17);
    p.label(g.m + X(30), g.y7 + Y(50), QStringLiteral("13e. Date (dd/mmm/yyyy):"));
    p.text(mode.value, false, g.m + X(450), g.y7 + Y(280), page.date18);

    // Block 14a.
    p.text(mode.body, true, g.h + X(30), g.y5 + Y(50), QStringLiteral("14a. "));
    p.text(mode.body, true, g.h + X(460), g.y5 + Y(290), QStringLiteral("14 CFR 43.9 Return to Service"));
    p.text(mode.body, true, g.h + X(2950), g.y5 + Y(290), QStringLiteral("Other regulation specified in Block 12"));
    p.text(mode.body, false, g.h + X(200), g.y5 + Y(620),
           QStringLiteral("Certifies that unless otherwise specified in Block 12, the work identified in Block 11"));
    p.text(mode.body, false, g.h + X(200), g.y5 + Y(810),
           QStringLiteral("and described in Block 12 was accomplished in accordance with Title 14, Code of"));
    p.text(mode.body, false, g.h + X(200), g.y5 + Y(1000),
           QStringLiteral("Federal Regulations, part 43 and in respect to that work, the items are approved for"));
    p.text(mode.body, false, g.h + X(200), g.y5 + Y(1220), QStringLiteral("return to service."));

    // 14b, in the box measured for 13b.
    p.label(g.h + X(30), g.y6 + Y(50), QStringLiteral("14b. Authorized Signature:"));
    if (!page.signature.isNull() && !BlankRule::isBlank(page.name22))
        PrintSignature(c, page.signature, g.h + X(30), g.y6 + Y(50), signatureWidth, signatureHeight);

    // 14c to 14e.
    p.label(g.n + X(30), g.y6 + Y(50), QStringLiteral("14c. Approval/Certificate No.:"));
    p.font(mode.body, false);
    c.setCurrentY(g.y6 + Y(280));
    p.centred(g.n, g.xR, page.certNum);
    p.label(g.h + X(30), g.y7 + Y(50), QStringLiteral("14d. Name (Typed or Printed):"));
    p.text(mode.value, false, g.h + X(450), g.y7 + Y(280), page.name22);
    p.label(g.n + X(30), g.y7 + Y(50), QStringLiteral("14e. Date (dd/mmm/yyyy):"));
    p.text(mode.value, false, g.n + X(450), g.y7 + Y(280), page.date23);

    // The four check boxes; the 13a ones are placed across by s, not F.
    const struct {
        bool ticked;
        float x1, y1, x2, y2;
    } checks[] = {
        {page.approvedDesign, g.x0 + Y(275), g.y5 + Y(450), g.x0 + Y(475), g.y5 + Y(650)},
        {page.nonApprovedDesign, g.x0 + Y(275), g.y5 + Y(750), g.x0 + Y(475), g.y5 + Y(950)},
        {page.cfrReturnToService, g.h + X(200), g.y5 + Y(290), g.h + X(400), g.y5 + Y(500)},
        {page.otherRegulation, g.h + X(2700), g.y5 + Y(290), g.h + X(2900), g.y5 + Y(500)},
    };
    for (const auto &box : checks) {
        if (box.ticked)
            c.solidBox(box.x1, box.y1, box.x2, box.y2);
        else
            c.box(box.x1, box.y1, box.x2, box.y2);
    }
    c.setFillStyle(PageCanvas::FillStyle::Transparent);
    c.setFillColor(Qt::white);

    // User/installer responsibilities.
    p.font(mode.value, true);
    c.setCurrentY(g.y8 + Y(50));
    p.centred(g.x0, g.xR, QStringLiteral("User/Installer Responsibilities"));
    const float instructionX = g.x0 + X(150);
    p.text(mode.instruction, false, instructionX, g.y9 + Y(150), kFirstParagraph);
    p.text(mode.instruction, false, instructionX, g.y9 + Y(300), kSecondParagraph.mid(0, 171));
    p.text(mode.instruction, false, instructionX, g.y9 + Y(450), kSecondParagraph.mid(171, 175));
    p.text(mode.instruction, false, instructionX, g.y9 + Y(600), kSecondParagraph.mid(346, 170));
    p.text(mode.instruction, false, instructionX, g.y9 + Y(760), kSecondParagraph.mid(516), false);

    // Form number, and the NSN ending one space's width inside the frame.
    p.text(mode.body, false, g.x0, g.y10 + Y(50), QStringLiteral("FAA FORM 8130-3 (02-14)"), false);
    c.setCurrentX(g.xR - c.textWidth(QStringLiteral("NSN: 0052-00-012-9005 ")));
    c.print(QStringLiteral("NSN: 0052-00-012-9005"));

    // The rulings of blocks 13 and 14 lie on top of the grey.
    c.line(g.x0, g.y6, g.xR, g.y6);
    c.line(g.h, g.y5, g.h, g.y8);
    c.line(g.x0, g.y7, g.xR, g.y7);
    c.line(g.m, g.y6, g.m, g.y8);
    c.line(g.n, g.y6, g.n, g.y8);

    c.endJob();
    c.setOrientation(PageCanvas::Orientation::Portrait);
    return result;
}

} // namespace arc
