#pragma once

#include "DbStatus.h"
#include "Schema.h"

#include <QSqlError>
#include <QStringList>
#include <utility>

namespace arc {

// The two engines a data source can be: a data folder's SQLite files, or
// a PostgreSQL database shared by several workstations.
enum class Engine { SQLite, PostgreSQL };

// Everything that is particular to an engine: table definitions,
// connection settings, the locking start of a write transaction, row locks,
// the schema version record and the meaning of its error codes. Other code
// speaks plain SQL with quoted names through QtSql. Both engines store the
// same tables and fields with the same value conventions (dates as ISO
// text, Yes/No as 0 or 1, text compared by code point); on the server each
// table without a counter key has a `rowid` column standing in for
// SQLite's own.
namespace SqlDialect {

QString driverName(Engine e = Engine::SQLite);
QStringList createTableStatements(const TableDef &table, Engine e = Engine::SQLite);
QStringList connectionPragmas(Engine e = Engine::SQLite);
// Rebuild a table to its current definition, keeping the rows and the
// columns it shares with the old one.
QStringList rebuildTableStatements(const TableDef &table, const QStringList &oldColumns, Engine e = Engine::SQLite);
// Raise a text field's length limit to `wide.maxLength`, keeping the rows.
QStringList widenFieldStatements(const TableDef &table, const FieldDef &wide, Engine e = Engine::SQLite);
// A field added to an existing table, null in the rows it holds.
QString addColumnStatement(const TableDef &table, const FieldDef &field, Engine e = Engine::SQLite);
// Opening a file that must never be written.
QString readOnlyConnectOptions();
QStringList readOnlyPragmas();
// The names of the columns of the table bound to its one parameter, a row
// each; no rows when the table is not there.
QString tableColumnsQuery(Engine e = Engine::SQLite);
QString beginWriteTransaction(Engine e = Engine::SQLite);
// The schema version of one store (0 when none is recorded yet), and the
// statements recording it.
QString userVersionQuery(Engine e = Engine::SQLite, StoreKind kind = StoreKind::Setup);
QStringList setUserVersion(int version, Engine e = Engine::SQLite, StoreKind kind = StoreKind::Setup);
QString insertDefaultRow(const TableDef &table, Engine e = Engine::SQLite);
// What follows an INSERT so that the query yields the new row's key (the
// counter, else the row id) as its one value; empty where the driver's
// last insert id gives it.
QString returningKey(const TableDef &table, Engine e = Engine::SQLite);
// Locks, until the transaction ends, the first row of a table (a counter
// row) or the row of a key: other stations wait, then read what was
// committed. Empty where the write transaction itself locks the store.
QString lockFirstRow(const TableDef &table, Engine e = Engine::SQLite);
QString lockRow(const TableDef &table, Engine e = Engine::SQLite);
// Whether a failed statement spoils the transaction it runs in, so that
// each statement must run inside a savepoint of its own.
bool failureAbortsTransaction(Engine e);
// After rows were written with their counter keys given: the next key
// the engine assigns follows the largest one stored.
QString resetCounter(const TableDef &table, Engine e = Engine::SQLite);
// Brings the planner's statistics of a table up to date after a large
// change; empty where the engine needs none.
QString refreshStatistics(const QString &table, Engine e = Engine::SQLite);
// Held by one station at a time while it makes or upgrades the schema.
QString schemaLock(Engine e);
QString schemaUnlock(Engine e);

// Whether the schema holds an object: binds its type ("table", "index",
// "trigger") and name; a row when it does.
QString schemaObjectQuery(Engine e = Engine::SQLite);
// The fold table with its indexes, created where missing.
QStringList createFoldTableStatements(const FoldTable &fold, Engine e = Engine::SQLite);
// The triggers that keep a fold row for each source row and mark it stale
// on every write, by name with the statement making each.
QList<std::pair<QString, QString>> foldTriggers(const FoldTable &fold, Engine e = Engine::SQLite);
// Every source row gets a stale fold row; what the table held goes.
QStringList refillFoldTableStatements(const FoldTable &fold, Engine e = Engine::SQLite);
// Up to `limit` stale fold rows: the key, then the copied and the folded
// source fields in the table's order, null when the source row is gone.
QString staleFoldRowsQuery(const FoldTable &fold, int limit, Engine e = Engine::SQLite);
// Folds at once every stale row whose source texts are all ASCII, which
// the engine's lower() folds as the program would; marks them fresh.
QString foldAsciiRows(const FoldTable &fold, Engine e = Engine::SQLite);
// Binds the copied and folded values, then the key; marks the row fresh.
QString updateFoldRow(const FoldTable &fold);
QString deleteFoldRow(const FoldTable &fold);
QStringList createSearchIndexStatements(const Schema::SourceIndex &index);

// A result kept for a cursor in the connection's temporary store: one row
// per position, `pos` counting from 1 in the order of `keyQuery`, `rowkey`
// the key it selects. Replaces what the table held.
QStringList fillResultTableStatements(const QString &name, const QString &keyQuery, Engine e = Engine::SQLite);
QString dropResultTable(const QString &name, Engine e = Engine::SQLite);
// The result table as it is named in a query.
QString resultTable(const QString &name, Engine e = Engine::SQLite);

// Map an engine error to our condition, naming the refused field when a
// length limit was hit. Either engine's errors are told apart by their
// codes: the server's are five-character SQL states.
DbStatus status(const QSqlError &error);

// The field whose length limit a refused write hit, or empty.
QString refusedField(const QSqlError &error);

} // namespace SqlDialect
} // namespace arc
