#pragma once

#include "Schema.h"

#include <QStringList>

namespace arc {

// The two engines a data source can be: a data folder's SQLite files, or
// a PostgreSQL database shared by several workstations.
enum class Engine { SQLite, PostgreSQL };

// Everything that is particular to an engine lives in the dialect: here
// the connection settings, the schema version record and the catalogue
// queries; table definitions, locking, the folded copies' SQL and the
// meaning of error codes each in a unit of their own (SqlDialect*.h).
// Other code speaks plain SQL with names quoted by quoted() through QtSql.
// Both engines store the same tables and fields with the same value
// conventions (dates as ISO text, Yes/No as 0 or 1, text compared by code
// point); on the server each table without a counter key has a `rowid`
// column standing in for SQLite's own.
namespace SqlDialect {

// A table, column, index or trigger name as SQL text: both engines take
// double quotes, and no name of ours holds one.
QString quoted(const QString &name);
// The column that identifies a row: the counter key, else the row id.
QString rowIdOf(const TableDef &table);
QString rowIdOf(const QString &tableName);

QString driverName(Engine e);
QStringList connectionPragmas(Engine e);
// Opening a file that must never be written.
QString readOnlyConnectOptions();
QStringList readOnlyPragmas(Engine e = Engine::SQLite);
// The names of the columns of the table bound to its one parameter, a row
// each; no rows when the table is not there.
QString tableColumnsQuery(Engine e);
// The type ("table", "index", "trigger") and name of every object of the
// schema, a row each; and each column of a table as a "column" named
// "table.column".
QString schemaObjectsQuery(Engine e);
// The schema version of one store (0 when none is recorded yet), and the
// statements recording it.
QString userVersionQuery(Engine e, StoreKind kind);
QStringList setUserVersion(int version, Engine e, StoreKind kind);
// Brings the planner's statistics of a table up to date after a large
// change; empty where the engine needs none.
QString refreshStatistics(const QString &table, Engine e);
// The statements bringing the statistics of these tables up to date and
// marking their pages as seen by every session, so that a search answers
// from an index alone instead of visiting each row it finds. A vacuum can
// mark a row only once the commit that wrote it, and every commit near it,
// is written: the analyses commit first, each waiting until the server has
// written it (not a standby), then the vacuums follow. Only outside a
// transaction; a table another session holds is passed over. None where
// the engine needs none.
QStringList settleTables(const QStringList &tables, Engine e);
// Around a bulk load into a server's empty tables: the query of a table's
// indexes that no key or constraint holds (the table's name bound), each
// as its name and the statement making it again (each dropped with
// dropStatement); and the setting that lets the indexes be made again in
// memory rather than sorted through files, for the transaction. Empty
// where the engine loads otherwise.
QString secondaryIndexesQuery(Engine e);
QString indexBuildMemory(Engine e);

} // namespace SqlDialect
} // namespace arc
