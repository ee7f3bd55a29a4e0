#pragma once

#include <QDate>
#include <QString>

namespace arc::DateText {

// "DD/MMM/YYYY" with English month names, whatever the user's locale.
QString format(const QDate &date);
inline QString today() { return format(QDate::currentDate()); }

// A date typed or shown in a box: "DD/MMM/YYYY" and the other usual ways
// of writing a day (05 Dec 2026, 05/12/2026, 2026-12-05). A date of
// numbers alone is read day first, as the program writes its dates.
// Invalid when the text does not read as a date.
QDate parse(const QString &text);

} // namespace arc::DateText
