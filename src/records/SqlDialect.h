#pragma once

#include "DbStatus.h"
#include "Schema.h"

#include <QSqlError>
#include <QStringList>
#include <utility>

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

// Whether the schema holds an object: binds its type ("table", "index",
// "trigger") and name; a row when it does.
QString schemaObjectQuery();
// The fold table with its indexes, created where missing.
QStringList createFoldTableStatements(const FoldTable &fold);
// The triggers that keep a fold row for each source row and mark it stale
// on every write, by name with the statement making each.
QList<std::pair<QString, QString>> foldTriggers(const FoldTable &fold);
// Every source row gets a stale fold row; what the table held goes.
QStringList refillFoldTableStatements(const FoldTable &fold);
// Up to `limit` stale fold rows: the key, then the copied and the folded
// source fields in the table's order, null when the source row is gone.
QString staleFoldRowsQuery(const FoldTable &fold, int limit);
// Folds at once every stale row whose source texts are all ASCII, which
// the engine's lower() folds as the program would; marks them fresh.
QString foldAsciiRows(const FoldTable &fold);
// Binds the copied and folded values, then the key; marks the row fresh.
QString updateFoldRow(const FoldTable &fold);
QString deleteFoldRow(const FoldTable &fold);
QStringList createSearchIndexStatements(const Schema::SourceIndex &index);

// A result kept for a cursor in the connection's temporary store: one row
// per position, `pos` counting from 1 in the order of `keyQuery`, `rowkey`
// the key it selects. Replaces what the table held.
QStringList fillResultTableStatements(const QString &name, const QString &keyQuery);
QString dropResultTable(const QString &name);
// The result table as it is named in a query.
QString resultTable(const QString &name);

// Map an engine error to our condition, naming the refused field when a
// length limit was hit.
DbStatus status(const QSqlError &error);

// The field whose length limit a refused write hit, or empty.
QString refusedField(const QSqlError &error);

} // namespace SqlDialect
} // namespace arc
