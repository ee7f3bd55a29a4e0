#pragma once

#include <QString>

namespace arc::GivenText {

// How much of a text given from outside a refusal quotes: enough to
// recognise it, never a whole page of it.
constexpr qsizetype kQuoted = 80;

// `given` as a refusal quotes it: at most kQuoted characters, an ellipsis
// marking a cut (never inside a character of two UTF-16 units).
inline QString quoted(const QString &given)
{
    if (given.size() <= kQuoted)
        return given;
    const qsizetype keep = given.at(kQuoted - 1).isHighSurrogate() ? kQuoted - 1 : kQuoted;
    return given.left(keep) + QChar(0x2026);
}

} // namespace arc::GivenText
