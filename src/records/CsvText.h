#pragma once

#include <QString>
#include <QStringList>

namespace arc::CsvText {

// One field of a comma-separated file, always text to a spreadsheet: a
// value beginning with a character that would start a formula (=, +, -,
// @, a tab, CR or LF) gets a leading apostrophe, which spreadsheets take
// as "this is text"; a NUL, which no field stores, is shown as U+FFFD.
// Quoted, its quotes doubled, when it holds a comma, a quote or a line
// break; as it is otherwise. Nothing is trimmed.
QString field(const QString &text);
// A record: the fields joined by commas, ended by CR LF.
QString row(const QStringList &fields);

} // namespace arc::CsvText
