#pragma once

#include "DbStatus.h"
#include "Progress.h"
#include "Schema.h"

#include <QList>
#include <QVariant>

namespace arc {

class Database;

// Rows written into a table of a PostgreSQL server in one stream (COPY
// FROM STDIN on the connection's own libpq handle), inside whatever
// transaction the connection is in: a row a statement at a time costs a
// round trip each, which a hundred thousand certificates cannot afford.
// Each row holds the table's fields in order: texts and dates as strings,
// numbers as numbers, a null as a null. Texts must hold no NUL character.
namespace ServerCopy {

DbStatus write(Database &db, const TableDef &table, const QList<QVariantList> &rows, const Progress &progress = {});

} // namespace ServerCopy
} // namespace arc
