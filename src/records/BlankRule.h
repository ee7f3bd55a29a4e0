#pragma once

#include <QString>

namespace arc::BlankRule {

// A box counts as blank when its text sorts at or before a single blank
// and holds nothing visible (empty, " ", a lone tab). A text that merely
// begins with a line break is not blank: it is kept as typed.
inline bool isBlank(const QString &text)
{
    if (text.compare(QLatin1String(" ")) > 0)
        return false;
    for (QChar c : text)
        if (c.unicode() > ' ')
            return false;
    return true;
}

// What a box stores: a blank box is one blank " ", never null or "".
inline QString stored(const QString &text) { return isBlank(text) ? QStringLiteral(" ") : text; }

} // namespace arc::BlankRule
