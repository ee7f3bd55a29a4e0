#pragma once

#include <QStringList>

namespace arc {

// The lines a block 4 column is printed in, broken by character count:
// at each line break, and otherwise where the 41st character is reached,
// after the last space, "-" or "," up to and including that character.
// A run of more than 40 characters without any of them breaks after the
// 40th, so every text ends.
QStringList addressLines(const QString &text);

} // namespace arc
