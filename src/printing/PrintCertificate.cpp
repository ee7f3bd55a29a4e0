#include "PrintCertificate.h"

#include "AddressBlock.h"
#include "FormDefinition.h"
#include "Instructions.h"
#include "ItemHeading.h"
#include "ItemRows.h"
#include "LineFit.h"
#include "PageCanvas.h"
#include "PageGeometry.h"
#include "PagePlan.h"
#include "PageWriter.h"
#include "ReleaseBlocks.h"
#include "VerificationMark.h"
#include "WrappedBlock.h"

#include <QCoreApplication>
#include <array>

namespace arc {

namespace {

struct PrintCertificateTexts {
    Q_DECLARE_TR_FUNCTIONS(PrintCertificate)
};

QString remarksTooLong() { return PrintCertificateTexts::tr("Remarks section too long"); }
QString itemsTooLong() { return PrintCertificateTexts::tr("Items section too long"); }

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

// A wrapped value fitted to its box, its first line at CurrentY; a cut
// told before its lines are printed.
void wrappedBlock(PageWriter &p, const QString &value, double size, float x, float width, int fetchLimit,
                  float bottom, const QString &title)
{
    const double top = p.c.currentY();
    const WrappedBlock block = WrappedBlock::of(p.c, value, size, width, fetchLimit, bottom - top);
    if (block.cutToTen || block.overflow)
        p.tell(title);
    p.c.setCurrentY(top);
    p.lines(block.lines, x);
}

void blocks1To3(PageWriter &p, const CertificatePage &page)
{
    const PrintMode &mode = p.mode;
    const PageGeometry &g = p.g;
    const FormDefinition &form = page.definition();
    p.label(g.x0 + g.X(30), g.y0 + g.Y(50), g.x1, form.numbered(QStringLiteral("1")));
    if (const QStringList caption = form.caption(QStringLiteral("1")); caption.size() > 1)
        p.label(g.x0 + g.X(280), g.y0 + g.Y(200), g.x1, caption[1]);
    p.fitted(mode.value, true, g.x0 + g.X(550), g.y0 + g.Y(500), g.before(g.x1), page.text(PrintedBox::Authority),
             CertificatePage::tooLong(PrintedBox::Authority));
    p.label(g.x1 + g.X(30), g.y0 + g.Y(50), g.x2, QStringLiteral("2."));
    p.centred(mode.title, true, g.x1, g.x2, g.y0 + g.Y(160), form.title.value(0));
    p.centred(mode.value, true, g.x1, g.x2, g.y0 + g.Y(800), form.title.value(1));
    p.label(g.x2 + g.X(30), g.y0 + g.Y(50), g.xR, form.numbered(QStringLiteral("3")));
    p.fitted(mode.value, true, g.x2 + g.X(550), g.y0 + g.Y(480), g.before(g.xR), page.text(PrintedBox::Tracking),
             CertificatePage::tooLong(PrintedBox::Tracking));
}

// Block 4: two columns broken by character count, fitted above block 6.
void block4(PageWriter &p, const CertificatePage &page)
{
    const PageGeometry &g = p.g;
    p.label(g.x0 + g.X(30), g.y1 + g.Y(50), g.x2, page.definition().numbered(QStringLiteral("4")));
    const float top = g.y1 + g.Y(250);
    const AddressBlock block =
        AddressBlock::of(p.c, page.text(PrintedBox::OrganisationLeft), page.text(PrintedBox::OrganisationRight),
                         p.mode.body, g.Y(200), g.above(g.y2) - top);
    const float lefts[] = {g.x0 + g.X(1000), g.x0 + g.X(5000)};
    const float limits[] = {g.before(lefts[1]), g.before(g.x2)};
    std::array<QList<LineFit>, 2> fits;
    bool cut = block.overflow;
    for (int column = 0; column < 2; ++column) {
        for (const QString &line : block.columns[column]) {
            fits[column] << LineFit::of(p.c, line, block.size, false, limits[column] - lefts[column]);
            cut = cut || fits[column].last().cut;
        }
    }
    if (cut)
        p.tell(CertificatePage::tooLong(PrintedBox::OrganisationLeft));
    for (int column = 0; column < 2; ++column)
        for (int k = 0; k < fits[column].size(); ++k)
            p.print(fits[column][k], lefts[column], static_cast<float>(top + k * block.pitch));
}

void block5(PageWriter &p, const CertificatePage &page)
{
    const PageGeometry &g = p.g;
    const QStringList caption = page.definition().caption(QStringLiteral("5"));
    p.label(g.x2 + g.X(30), g.y1 + g.Y(50), g.xR, page.definition().numbered(QStringLiteral("5")));
    if (caption.size() > 1)
        p.label(g.x2 + g.X(30), g.y1 + g.Y(200), g.xR, caption[1]);
    const float x = g.x2 + g.X(200);
    p.c.setCurrentY(g.y1 + g.Y(450));
    wrappedBlock(p, page.text(PrintedBox::WorkOrder), p.mode.value, x, std::min(g.X(2300), g.before(g.xR) - x), 300,
                 g.above(g.y2), CertificatePage::tooLong(PrintedBox::WorkOrder));
}

// The item rows the form holds, fitted above block 12.
void itemRows(PageWriter &p, const ItemSlots &items)
{
    const ItemRows rows(p.c, p.g, items, p.mode.body);
    if (rows.overflow())
        p.tell(itemsTooLong());
    for (const ItemRows::Row &row : rows.rows()) {
        p.print(row.number, row.numberX, static_cast<float>(row.top), false);
        p.font(rows.size(), false);
        for (const ItemRows::Cell &cell : row.cells) {
            if (cell.cutToTen)
                p.tell(remarksTooLong());
            p.c.setCurrentY(row.top);
            p.lines(cell.lines, cell.x);
        }
    }
}

// Block 12: the first line one label line below the label's top; with
// continuation sheets, as many lines as the box holds at its size and
// then the line that refers to the sheets.
void remarks(PageWriter &p, const CertificatePage &page, double size, const PagePlan &plan)
{
    const PageGeometry &g = p.g;
    p.label(g.x0 + g.X(30), g.y4 + g.Y(50), g.xR, page.definition().numbered(QStringLiteral("12")));
    const float x = PagePlan::remarksX(g);
    if (plan.remarksFitted) {
        wrappedBlock(p, page.text(PrintedBox::Remarks), size, x, PagePlan::remarksWidth(g), 300, g.above(g.y5),
                     remarksTooLong());
        return;
    }
    const double top = PagePlan::remarksTop(p.c, g, p.mode);
    p.font(size, false);
    p.c.setCurrentY(top);
    p.lines(plan.formRemarks, x);
    if (plan.sheets.isEmpty())
        return;
    const double y = p.c.currentY();
    p.fitted(size, false, x, static_cast<float>(y), g.before(g.xR),
             page.definition().continuation.reference.arg(plan.sheets.size()));
}

// The page of a form printed only on its side fills the sheet: drawn in
// the Wide layout, as much wider than the sheet as it is higher, and
// shrunk onto the sheet whole. It is as high as leaves the sheet the
// margin below the frame P0 leaves on Letter upright, which holds the page
// footer and an issued page's QR code. The page's `width` and `height`;
// the canvas lies on its side.
PrintMode sheetFilling(const PageCanvas &c, bool largeRemarks, double &width, double &height)
{
    const PageGeometry upright(PrintMode::of(PrintMode::Name::P0), PrintMode::kUprightWidth, largeRemarks);
    const double below = PrintMode::kUprightHeight - upright.y10;
    height = upright.y10 * c.printableHeight() / (c.printableHeight() - below);
    width = c.printableWidth() * height / c.printableHeight();
    return PrintMode::wide(width);
}

} // namespace

PrintResult PrintCertificate(PageCanvas &c, const CertificatePage &page, const TruncationNotice &notice)
{
    PrintResult result;
    const FormDefinition &form = page.definition();
    // The EASA and UK forms are landscape only, across the sheet; the
    // setting is the FAA form's.
    const PrintMode setting = PrintMode::forSetting(page.settings.orientation);
    c.setOrientation(form.landscapeOnly ? PageCanvas::Orientation::Landscape : setting.orientation);
    c.setFontName(QStringLiteral("Arial"));
    double width = c.printableWidth(), filledHeight = 0;
    const PrintMode mode =
        form.landscapeOnly ? sheetFilling(c, page.settings.largeRemarks, width, filledHeight) : setting;
    const PageGeometry g(mode, width, page.settings.largeRemarks);
    PageWriter p(c, mode, g, notice, result);

    p.font(mode.body, false);
    const double remarksAt = remarksSize(c, mode.body);
    const PagePlan plan = PagePlan::of(c, g, mode, page, remarksAt);
    p.font(mode.body, false);

    // The page ends below the form-number line, or below the page numbers
    // when sheets follow; one larger than the sheet is shrunk onto it whole,
    // and every sheet with it.
    const double pageHeight = filledHeight > 0      ? filledHeight
                              : plan.sheets.isEmpty() ? g.y10 + g.Y(50) + c.lineHeight()
                                                      : ContinuationSheet::frame(c, g, mode).footerY + c.lineHeight();
    p.font(mode.body, false);
    c.setSheetFit(SheetFit::of({width, pageHeight}, {c.printableWidth(), c.printableHeight()}));

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
    blocks1To3(p, page);
    c.line(g.x0, g.y2, g.xR, g.y2);
    block4(p, page);
    c.line(g.x0, g.y3, g.xR, g.y3);
    for (float border : {g.c7, g.c8, g.c9, g.c10, g.c11})
        c.line(border, g.y2, border, g.y4);
    block5(p, page);
    ItemHeading::print(p, form, p.g.y2);
    c.line(g.x0, g.y4, g.xR, g.y4);
    itemRows(p, plan.formItems);
    c.line(g.x0, g.y5, g.xR, g.y5);
    remarks(p, page, remarksAt, plan);

    if (const std::optional<QRectF> box = ReleaseBlocks::print(p, page))
        result.signatureBox = c.sheetFit().map(*box);
    result.landscape = mode.orientation == PageCanvas::Orientation::Landscape;
    Instructions::print(p, form);

    // The form's number, and what the form prints at the right (the FAA
    // form's NSN) ending one space's width inside the frame.
    p.text(mode.body, false, g.x0, g.y10 + g.Y(50), form.footerLeft, false);
    if (!form.footerRight.isEmpty()) {
        c.setCurrentX(g.xR - c.textWidth(form.footerRight + QLatin1Char(' ')));
        c.print(form.footerRight);
    }
    VerificationMark::print(p, page);

    // The rulings of blocks 13 and 14 lie on top of the grey.
    c.line(g.x0, g.y6, g.xR, g.y6);
    c.line(g.h, g.y5, g.h, g.y8);
    c.line(g.x0, g.y7, g.xR, g.y7);
    c.line(g.m, g.y6, g.m, g.y8);
    c.line(g.n, g.y6, g.n, g.y8);

    const int sheets = int(plan.sheets.size());
    if (sheets > 0)
        ContinuationSheet::footer(p, page, 1, sheets + 1);
    for (int n = 0; n < sheets; ++n) {
        c.newPage();
        plan.sheets[n].print(p, page, n + 1, sheets, mode.body, remarksAt);
    }
    c.endJob();
    c.setOrientation(PageCanvas::Orientation::Portrait);
    return result;
}

} // namespace arc
