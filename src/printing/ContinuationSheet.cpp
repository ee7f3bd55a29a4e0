#include "ContinuationSheet.h"

#include "CertificatePage.h"
#include "FormDefinition.h"
#include "ItemHeading.h"
#include "PageCanvas.h"
#include "PageGeometry.h"
#include "PageWriter.h"
#include "PrintMode.h"
#include "StackFit.h"

#include <algorithm>

namespace arc {

namespace {

constexpr int kHeadingLines = 6;

// A caption as a label before its value: "3. Form Tracking Number: X".
QString labelled(const QString &caption, const QString &value)
{
    QString c = caption.trimmed();
    while (c.endsWith(QLatin1Char(':')))
        c.chop(1);
    return c + QStringLiteral(": ") + value;
}

QString firstLine(const QString &text) { return text.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r')).trimmed(); }

// Block 1's caption whole, as on the form over two lines.
QString block1(const FormDefinition &form) { return form.numbered(QStringLiteral("1")) + QLatin1Char(' ') + form.caption(QStringLiteral("1")).mid(1).join(QLatin1Char(' ')); }

double lineHeightAt(PageCanvas &c, double size, bool bold)
{
    c.setTextCondense(1);
    c.setFontSize(size);
    c.setFontBold(bold);
    return c.lineHeight();
}

// The item block's heading: the captions of blocks 6 to 11 in the form's
// columns, and its height.
double captionsHeight(const PageGeometry &g) { return g.Y(300); }

} // namespace

ContinuationSheet::Frame ContinuationSheet::frame(PageCanvas &c, const PageGeometry &g, const PrintMode &mode)
{
    Frame f;
    f.headingPitch = std::max(lineHeightAt(c, mode.value, true), lineHeightAt(c, mode.body, false));
    f.contentTop = g.y0 + g.Y(50) + kHeadingLines * f.headingPitch + g.Y(50);
    f.contentBottom = g.above(g.y10);
    f.footerY = g.y10 + g.Y(50) + lineHeightAt(c, mode.body, false);
    return f;
}

QList<ContinuationSheet> ContinuationSheet::laidOut(PageCanvas &c, const PageGeometry &g, const PrintMode &mode,
                                                    const ItemSlots &items, const QStringList &remarks,
                                                    double itemSize, double remarksSize)
{
    const Frame f = frame(c, g, mode);
    QList<ContinuationSheet> sheets;
    double y = f.contentBottom; // no sheet yet
    const auto newSheet = [&] {
        sheets.append(ContinuationSheet());
        y = f.contentTop;
    };
    const double gap = g.Y(100);
    for (const ItemLine &line : items) {
        const double lineHeight = lineHeightAt(c, itemSize, false);
        const double height = ItemRows::row(c, g, line, 0).height * lineHeight;
        if (sheets.isEmpty() || y + height > f.contentBottom + StackFit::kSlack) {
            newSheet();
            sheets.last().itemsTop = y;
            y += captionsHeight(g) + gap;
        }
        c.setFontSize(itemSize);
        sheets.last().rows << ItemRows::row(c, g, line, y);
        y += height + gap;
        sheets.last().itemsBottom = y;
    }
    const double labelHeight = lineHeightAt(c, mode.label, true);
    const double remarkHeight = lineHeightAt(c, remarksSize, false);
    for (const QString &line : remarks) {
        if (sheets.isEmpty() || y + remarkHeight > f.contentBottom + StackFit::kSlack)
            newSheet();
        ContinuationSheet &sheet = sheets.last();
        if (sheet.remarks.isEmpty()) {
            if (!sheet.rows.isEmpty())
                y += gap;
            if (y + g.Y(50) + labelHeight + remarkHeight > f.contentBottom + StackFit::kSlack)
                newSheet();
            sheets.last().remarksTop = y + g.Y(50);
            y = sheets.last().remarksTop + labelHeight;
        }
        sheets.last().remarks << line;
        y += remarkHeight;
    }
    return sheets;
}

void ContinuationSheet::print(PageWriter &p, const CertificatePage &page, int number, int sheets, double itemSize,
                              double remarksSize) const
{
    PageCanvas &c = p.c;
    const PageGeometry &g = p.g;
    const PrintMode &mode = p.mode;
    const FormDefinition &form = page.definition();
    const Frame f = frame(c, g, mode);
    c.setTransparentText(true);
    c.setFillStyle(PageCanvas::FillStyle::Transparent);
    c.setLineWidth(1);
    c.box(g.x0, g.y0, g.xR, g.y10);

    // The heading: the form, the authority, the organisation, the number.
    const float x = g.x0 + g.X(100);
    const QString sheetNo = form.continuation.sheet.arg(number).arg(sheets);
    p.font(mode.value, true);
    const float sheetNoX = static_cast<float>(g.before(g.xR) - c.textWidth(sheetNo + QLatin1Char(' ')));
    double y = g.y0 + g.Y(50);
    p.fitted(mode.value, true, x, float(y), sheetNoX - g.X(200), form.title.join(QStringLiteral(" \u2013 ")));
    p.fitted(mode.value, true, sheetNoX, float(y), g.before(g.xR), sheetNo);
    const bool in13 = page.block13Applies();
    const QString approval = in13 ? page.block13cNumber : page.block14cNumber;
    const QStringList heading = {
        form.footerLeft,
        labelled(block1(form), page.text(PrintedBox::Authority)),
        labelled(form.numbered(QStringLiteral("4")), firstLine(page.text(PrintedBox::OrganisationLeft))),
        labelled(form.numbered(in13 ? QStringLiteral("13c") : QStringLiteral("14c")), approval),
        labelled(form.numbered(QStringLiteral("3")), page.text(PrintedBox::Tracking)),
    };
    for (const QString &line : heading) {
        y += f.headingPitch;
        p.fitted(mode.body, false, x, float(y), g.before(g.xR), line, CertificatePage::tooLong(PrintedBox::OrganisationLeft));
    }
    const double ruled = f.contentTop - g.Y(50) + g.Y(20);
    c.line(g.x0, ruled, g.xR, ruled);

    if (!rows.isEmpty()) {
        // The item block as on the form: its captions, columns and rows.
        const float top = float(itemsTop);
        ItemHeading::print(p, form, top);
        c.line(g.x0, top + g.Y(300), g.xR, top + g.Y(300));
        for (float border : {g.c7, g.c8, g.c9, g.c10, g.c11})
            c.line(border, top, border, itemsBottom);
        c.line(g.x0, itemsBottom, g.xR, itemsBottom);
        for (const ItemRows::Row &row : rows) {
            p.print(row.number, row.numberX, static_cast<float>(row.top), false);
            p.font(itemSize, false);
            for (const ItemRows::Cell &cell : row.cells) {
                c.setCurrentY(row.top);
                p.lines(cell.lines, cell.x);
            }
        }
    }
    if (!remarks.isEmpty()) {
        p.label(g.x0 + g.X(30), float(remarksTop), g.xR, form.continuation.remarks);
        c.setCurrentY(remarksTop + lineHeightAt(c, mode.label, true));
        p.font(remarksSize, false);
        p.lines(remarks, g.x0 + g.X(800));
    }
    footer(p, page, number + 1, sheets + 1);
}

void ContinuationSheet::footer(PageWriter &p, const CertificatePage &page, int pageNumber, int pages)
{
    const PageGeometry &g = p.g;
    const FormDefinition &form = page.definition();
    const float y = static_cast<float>(frame(p.c, g, p.mode).footerY);
    const QString number = form.continuation.page.arg(pageNumber).arg(pages);
    p.font(p.mode.body, false);
    const float numberX = static_cast<float>(g.xR - p.c.textWidth(number + QLatin1Char(' ')));
    p.fitted(p.mode.body, false, g.x0, y, numberX - g.X(200), labelled(form.numbered(QStringLiteral("3")), page.text(PrintedBox::Tracking)),
             CertificatePage::tooLong(PrintedBox::Tracking));
    p.fitted(p.mode.body, false, numberX, y, g.xR, number);
}

} // namespace arc
