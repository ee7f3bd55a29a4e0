#pragma once

#include <QString>
#include <optional>

namespace arc::CopyCount {

// The number at the start of a text, after leading blanks: an optional
// sign, digits and a decimal fraction. 0 when the text starts otherwise.
double numericValue(const QString &text);

// How many copies a Copies text asks for: every whole copy up to its
// value, so "2.7" is two and "0", "-1", "" or "abc" none.
int copies(const QString &text);

// What the Copies box shows when the print panel opens, from the stored
// default: "1" when there is none, else its value as plain text.
QString initialText(const std::optional<QString> &stored);

// Above this many copies the user confirms first.
constexpr int kConfirmAbove = 50;

} // namespace arc::CopyCount
