#pragma once

#include <QStringList>

namespace arc::StatusWords {

// The status list, in its order; a chosen entry is stored upper-cased.
inline const QStringList list = {
    QStringLiteral("New"),          QStringLiteral("Overhauled"), QStringLiteral("Repaired"),
    QStringLiteral("Prototype"),    QStringLiteral("See Block 12"), QStringLiteral("Inspected"),
    QStringLiteral("Tested"),       QStringLiteral("Modified"),
};

} // namespace arc::StatusWords
