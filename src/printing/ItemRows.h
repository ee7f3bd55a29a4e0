#pragma once

#include "ItemLine.h"
#include "LineFit.h"

#include <QList>
#include <QStringList>
#include <array>

namespace arc {

class PageCanvas;
struct PageGeometry;

// Item rows laid out between the heading row and block 12: each cell
// wrapped to its own column, each row starting below the tallest cell of
// the row above; when they would reach block 12, the gap between rows and
// then the size shrink until they fit. What even the smallest size cannot
// hold is left out; rows that are to go on continuation sheets are never
// given to it (see holding).
class ItemRows {
public:
    static constexpr int kColumns = 5; // 7 to 11

    struct Cell {
        float x;
        QStringList lines;
        bool cutToTen = false;
    };
    struct Row {
        double top;
        float numberX;   // the item number, centred in its column
        LineFit number;
        std::array<Cell, kColumns> cells;
        qsizetype height = 0; // in lines: its tallest cell, or its number
    };
    struct Column {
        const QString ItemLine::*value;
        float x, width;
        int fetchLimit;
    };

    // Measured on `canvas`, which is left in the rows' font.
    ItemRows(PageCanvas &canvas, const PageGeometry &g, const ItemSlots &items, double size);

    const QList<Row> &rows() const { return m_rows; }
    double size() const { return m_size; }
    double gap() const { return m_gap; }
    // Something left out: lines below the rows' room, or an item number
    // cut to its column.
    bool overflow() const { return m_overflow; }

    // Where the values of columns 7 to 11 stand and how wide they wrap.
    static std::array<Column, kColumns> columns(const PageGeometry &g);
    // One line laid out from `top` in the canvas's current size, whole.
    static Row row(PageCanvas &canvas, const PageGeometry &g, const ItemLine &line, double top);
    // Whether every item fits the form's rows at some size; if not, how
    // many leading items fit there at `size` itself (gaps closed up as far
    // as needed): the rest go on continuation sheets.
    static bool allFit(PageCanvas &canvas, const PageGeometry &g, const ItemSlots &items, double size);
    static int holding(PageCanvas &canvas, const PageGeometry &g, const ItemSlots &items, double size);

private:
    QList<Row> m_rows;
    double m_size = 0;
    double m_gap = 0;
    bool m_overflow = false;
};

} // namespace arc
