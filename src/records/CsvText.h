#pragma once

#include <QString>
#include <QStringList>

namespace arc::CsvText {

// One field of a comma-separated file: quoted, its quotes doubled, when it
// holds a comma, a quote or a line break; as it is otherwise.
QString field(const QString &text);
// A record: the fields joined by commas, ended by CR LF.
QString row(const QStringList &fields);

} // namespace arc::CsvText
