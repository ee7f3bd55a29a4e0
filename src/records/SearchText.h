#pragma once

#include <QString>
#include <optional>

namespace arc::SearchText {

// A text as searches compare it: composed, then case-folded by Unicode's
// rules, so "MÜLLER" and "müller" are one. Null stays null.
QString fold(const QString &text);

// The texts beginning with a prefix are those from `from` up to, not
// including, `before`; nothing bounds them above when the prefix is made
// of the last code point alone. Compares as the engine compares text, by
// code point.
struct PrefixRange {
    QString from;
    std::optional<QString> before;
};
PrefixRange beginningWith(const QString &prefix);

} // namespace arc::SearchText
