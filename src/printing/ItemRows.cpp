#include "ItemRows.h"

#include "BlankRule.h"
#include "CertificateFields.h"
#include "PageCanvas.h"
#include "PageGeometry.h"
#include "StackFit.h"
#include "WrappedBlock.h"

#include <algorithm>
#include <stdexcept>

namespace arc {

namespace {

// The member of an item line that the field table prints in `box`.
const QString ItemLine::*printedIn(PrintedBox box)
{
    const CertificateField *f = CertificateFields::byPrintedBox(box);
    if (!f || !f->lineText)
        throw std::logic_error("an item column that no column of the item lines prints");
    return f->lineText;
}

const QString &itemNumber(const ItemLine &line)
{
    static const QString ItemLine::*const number = printedIn(PrintedBox::Item);
    return line.*number;
}

double rowsTop(const PageGeometry &g) { return g.y3 + g.Y(100); }
double rowsBottom(const PageGeometry &g) { return g.above(g.y4); }

// A row is as tall as its tallest cell; its number takes one line.
qsizetype lineCount(const PageCanvas &c, const std::array<ItemRows::Column, ItemRows::kColumns> &cols,
                    const ItemLine &line)
{
    qsizetype n = BlankRule::isBlank(itemNumber(line)) ? 0 : 1;
    for (const ItemRows::Column &col : cols)
        n = std::max(n, WrappedBlock::cellLines(c, line.*col.value, col.width, col.fetchLimit).size());
    return n;
}

StackFit::Stack stackOf(PageCanvas &c, const PageGeometry &g, const ItemSlots &items, double at)
{
    const auto cols = ItemRows::columns(g);
    c.setFontSize(at);
    StackFit::Stack stack;
    for (int r = 0; r < int(items.size()); ++r) {
        if (const qsizetype n = lineCount(c, cols, items[std::size_t(r)]); n > 0) {
            stack.parts += n * c.lineHeight();
            stack.gaps = r;
        }
    }
    return stack;
}

} // namespace

std::array<ItemRows::Column, ItemRows::kColumns> ItemRows::columns(const PageGeometry &g)
{
    // Each cell as wide as designed, but never past its column.
    const auto column = [&](PrintedBox box, float x, float designed, float next, int limit) {
        return Column{printedIn(box), x, std::min(designed, g.before(next) - x), limit};
    };
    return {column(PrintedBox::Description, g.c7 + g.X(100), g.X(2600), g.c8, 300),
            column(PrintedBox::PartNo, g.c8 + g.X(100), g.X(2650), g.c9, 450),
            column(PrintedBox::Quantity, g.c9 + g.X(250), g.X(600), g.c10, 300),
            column(PrintedBox::SerialNo, g.c10 + g.X(100), g.X(2350), g.c11, 450),
            column(PrintedBox::Status, g.c11 + g.X(250), g.X(1800), g.xR, 300)};
}

ItemRows::Row ItemRows::row(PageCanvas &c, const PageGeometry &g, const ItemLine &line, double top)
{
    const double size = c.fontSize();
    const auto cols = columns(g);
    Row row{top, 0, LineFit::of(c, itemNumber(line), size, false, (g.c7 - g.x0) - 2 * g.X(30)), {}};
    row.numberX = static_cast<float>((g.x0 + g.c7) / 2.0f - c.textWidth(row.number.text) / 2.0);
    c.setTextCondense(1);
    c.setFontSize(size);
    row.height = BlankRule::isBlank(itemNumber(line)) ? 0 : 1;
    for (int k = 0; k < kColumns; ++k) {
        Cell &cell = row.cells[std::size_t(k)];
        cell.x = cols[std::size_t(k)].x;
        cell.lines = WrappedBlock::cellLines(c, line.*cols[std::size_t(k)].value, cols[std::size_t(k)].width,
                                             cols[std::size_t(k)].fetchLimit, &cell.cutToTen);
        row.height = std::max(row.height, cell.lines.size());
    }
    return row;
}

bool ItemRows::allFit(PageCanvas &c, const PageGeometry &g, const ItemSlots &items, double size)
{
    c.setFontBold(false);
    c.setTextCondense(1);
    return StackFit::of(size, g.Y(300), rowsBottom(g) - rowsTop(g),
                        [&](double at) { return stackOf(c, g, items, at); })
        .fits;
}

int ItemRows::holding(PageCanvas &c, const PageGeometry &g, const ItemSlots &items, double size)
{
    c.setFontBold(false);
    c.setTextCondense(1);
    const auto cols = columns(g);
    c.setFontSize(size);
    const double room = rowsBottom(g) - rowsTop(g) + StackFit::kSlack;
    double parts = 0;
    for (int r = 0; r < int(items.size()); ++r) {
        parts += lineCount(c, cols, items[std::size_t(r)]) * c.lineHeight();
        if (parts > room)
            return r;
    }
    return int(items.size());
}

ItemRows::ItemRows(PageCanvas &c, const PageGeometry &g, const ItemSlots &items, double size)
{
    const double top = rowsTop(g);
    const double bottom = rowsBottom(g);
    c.setFontBold(false);
    c.setTextCondense(1);
    const StackFit fit =
        StackFit::of(size, g.Y(300), bottom - top, [&](double at) { return stackOf(c, g, items, at); });
    m_gap = fit.gap;
    c.setFontSize(fit.size);
    m_size = c.fontSize();
    const double lineHeight = c.lineHeight();

    double rowTop = top;
    for (const ItemLine &line : items) {
        c.setFontSize(m_size);
        Row row = ItemRows::row(c, g, line, rowTop);
        m_overflow = m_overflow || row.number.cut;
        // Lines that would reach block 12 are left out.
        const auto fitting = [&](qsizetype n) {
            while (n > 0 && rowTop + n * lineHeight > bottom + StackFit::kSlack)
                --n;
            return n;
        };
        if (!BlankRule::isBlank(itemNumber(line)) && fitting(1) < 1) {
            row.number.text.clear();
            m_overflow = true;
        }
        for (Cell &cell : row.cells) {
            if (const qsizetype keep = fitting(cell.lines.size()); keep < cell.lines.size()) {
                cell.lines.resize(keep);
                m_overflow = true;
            }
        }
        rowTop += row.height * lineHeight + m_gap;
        m_rows << row;
    }
}

} // namespace arc
