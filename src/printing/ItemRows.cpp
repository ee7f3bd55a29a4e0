#include "ItemRows.h"

#include "BlankRule.h"
#include "PageCanvas.h"
#include "PageGeometry.h"
#include "StackFit.h"
#include "WrappedBlock.h"

#include <algorithm>

namespace arc {

std::array<ItemRows::Column, ItemRows::kColumns> ItemRows::columns(const PageGeometry &g) const
{
    // Each cell as wide as designed, but never past its column.
    const auto column = [&](const QString ItemLine::*value, float x, float designed, float next, int limit) {
        return Column{value, x, std::min(designed, g.before(next) - x), limit};
    };
    return {column(&ItemLine::description, g.c7 + g.X(100), g.X(2600), g.c8, 300),
            column(&ItemLine::partNum, g.c8 + g.X(100), g.X(2650), g.c9, 450),
            column(&ItemLine::quantity, g.c9 + g.X(250), g.X(600), g.c10, 300),
            column(&ItemLine::serialNum, g.c10 + g.X(100), g.X(2350), g.c11, 450),
            column(&ItemLine::status, g.c11 + g.X(250), g.X(1800), g.xR, 300)};
}

ItemRows::ItemRows(PageCanvas &c, const PageGeometry &g, const ItemSlots &items, double size)
{
    const auto cols = columns(g);
    const double top = g.y3 + g.Y(100);
    const double bottom = g.above(g.y4);

    // A row is as tall as its tallest cell; its number takes one line.
    const auto lineCount = [&](const ItemLine &line) {
        qsizetype n = BlankRule::isBlank(line.item) ? 0 : 1;
        for (const Column &col : cols)
            n = std::max(n, WrappedBlock::cellLines(c, line.*col.value, col.width, col.fetchLimit).size());
        return n;
    };
    c.setFontBold(false);
    c.setTextCondense(1);
    const auto measure = [&](double at) {
        c.setFontSize(at);
        StackFit::Stack stack;
        for (int r = 0; r < kItemSlots; ++r) {
            if (const qsizetype n = lineCount(items[r]); n > 0) {
                stack.parts += n * c.lineHeight();
                stack.gaps = r;
            }
        }
        return stack;
    };
    const StackFit fit = StackFit::of(size, g.Y(300), bottom - top, measure);
    m_gap = fit.gap;
    c.setFontSize(fit.size);
    m_size = c.fontSize();
    const double lineHeight = c.lineHeight();

    double rowTop = top;
    for (int r = 0; r < kItemSlots; ++r) {
        const ItemLine &line = items[r];
        Row row{rowTop, 0, LineFit::of(c, line.item, m_size, false, (g.c7 - g.x0) - 2 * g.X(30)), {}};
        m_overflow = m_overflow || row.number.cut;
        row.numberX = static_cast<float>((g.x0 + g.c7) / 2.0f - c.textWidth(row.number.text) / 2.0);
        c.setTextCondense(1);
        c.setFontSize(m_size);
        // Lines that would reach block 12 are left out.
        const auto fitting = [&](qsizetype n) {
            while (n > 0 && rowTop + n * lineHeight > bottom + StackFit::kSlack)
                --n;
            return n;
        };
        qsizetype tallest = BlankRule::isBlank(line.item) ? 0 : 1;
        if (tallest > fitting(tallest)) {
            row.number.text.clear();
            m_overflow = true;
        }
        for (int k = 0; k < kColumns; ++k) {
            Cell &cell = row.cells[k];
            cell.x = cols[k].x;
            cell.lines = WrappedBlock::cellLines(c, line.*cols[k].value, cols[k].width, cols[k].fetchLimit,
                                                 &cell.cutToTen);
            tallest = std::max(tallest, cell.lines.size());
            if (const qsizetype keep = fitting(cell.lines.size()); keep < cell.lines.size()) {
                cell.lines.resize(keep);
                m_overflow = true;
            }
        }
        m_rows << row;
        rowTop += tallest * lineHeight + m_gap;
    }
}

} // namespace arc
