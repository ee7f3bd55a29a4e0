#pragma once

#include "SigningBlock.h"

#include <QString>
#include <array>
#include <vector>

namespace arc {

// One item line of a certificate (blocks 6 to 11).
struct ItemLine {
    QString item;
    QString description;
    QString partNum;
    QString quantity;
    QString serialNum;
    QString status;
    // The catalogue part's assembly part number and stamp codes; looked
    // up with the part, never stored.
    QString pmaPartNumber;
    std::array<QString, 3> stamps{};

    // Nothing but possibly a status: such a line ends the stored lines.
    bool isEmptyLine() const
    {
        return item.isEmpty() && description.isEmpty() && partNum.isEmpty() && quantity.isEmpty()
               && serialNum.isEmpty();
    }
    bool operator==(const ItemLine &) const = default;
};

// Rows the item grid shows at least; a new certificate starts with them.
constexpr int kGridRows = 10;
// Item lines one certificate may hold.
constexpr int kMaxItemLines = 200;

// A certificate's item lines in order; saving stops at the first empty one.
using ItemSlots = std::vector<ItemLine>;

// The lines with empty ones added up to the grid's rows.
inline ItemSlots paddedLines(ItemSlots lines)
{
    if (lines.size() < std::size_t(kGridRows))
        lines.resize(std::size_t(kGridRows));
    return lines;
}

// A line by position; an empty one past the end.
inline const ItemLine &lineAt(const ItemSlots &lines, int n)
{
    static const ItemLine none{};
    return n >= 0 && std::size_t(n) < lines.size() ? lines[std::size_t(n)] : none;
}

} // namespace arc
