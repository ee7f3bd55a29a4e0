#pragma once

#include <QStringList>

namespace arc::StatusWords {

// The status list, in its order; a chosen entry is stored upper-cased.
inline const QStringList list = {
    QStringLiteral("New"),          QStringLiteral("Overhauled"), QStringLiteral("Repaired"),
    QStringLiteral("Prototype"),    QStringLiteral("See Block 12"), QStringLiteral("Inspected"),
    QStringLiteral("Tested"),       QStringLiteral("Modified"),
};

// The list a form offers: the words it allows (as its definition writes
// them) when it restricts block 11, else the whole list.
inline QStringList offered(const QStringList &allowed) { return allowed.isEmpty() ? list : allowed; }

} // namespace arc::StatusWords
