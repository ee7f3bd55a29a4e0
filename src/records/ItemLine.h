#pragma once

#include "SigningBlock.h"

#include <QString>
#include <array>

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

constexpr int kItemSlots = 10;

using ItemSlots = std::array<ItemLine, kItemSlots>;

} // namespace arc
