#pragma once

#include "DbStatus.h"
#include "Schema.h"

#include <QSqlError>
#include <QStringList>

namespace arc {

// Everything that is particular to the SQLite engine: table definitions,
// connection settings, the locking start of a write transaction and the
// meaning of its error codes. Other code speaks plain SQL through QtSql.
namespace SqlDialect {

QString driverName();
QStringList createTableStatements(const TableDef &table);
QStringList connectionPragmas();
// Rebuild a table to its current definition, keeping the rows and the
// columns it shares with the old one.
QStringList rebuildTableStatements(const TableDef &table, const QStringList &oldColumns);
// Opening a file that must never be written.
QString readOnlyConnectOptions();
QStringList readOnlyPragmas();
// The names of the columns of the table bound to its one parameter, a row
// each; no rows when the table is not there.
QString tableColumnsQuery();
QString beginWriteTransaction();
QString userVersionQuery();
QString setUserVersion(int version);
QString insertDefaultRow(const TableDef &table);

// Map an engine error to our condition, naming the refused field when a
// length limit was hit.
DbStatus status(const QSqlError &error);

// The field whose length limit a refused write hit, or empty.
QString refusedField(const QSqlError &error);

} // namespace SqlDialect
} // namespace arc
