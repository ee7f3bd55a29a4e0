#pragma once

#include <QStringList>

namespace arc::StatusWords {

// The status list, in its order; a chosen entry is stored upper-cased.
inline const QStringList list = {
    QStringLiteral("New"),          QStringLiteral("Overhauled"), QStringLiteral("Repaired"),
    QStringLiteral("Prototype"),    QStringLiteral("See Block 12"), QStringLiteral("Inspected"),
    QStringLiteral("Tested"),       QStringLiteral("Modified"),
};

// Block 13 (new parts) rather than block 14 (maintenance).
inline bool selectsBlock13(const QString &status)
{
    return status == QLatin1String("NEW") || status == QLatin1String("PROTOTYPE");
}

} // namespace arc::StatusWords
