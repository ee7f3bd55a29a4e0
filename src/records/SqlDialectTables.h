#pragma once

#include "SqlDialect.h"

namespace arc::SqlDialect {

// The statements that make a table of the schema, with its index.
QStringList createTableStatements(const TableDef &table, Engine e);
// Rebuild a table to its current definition, keeping the rows and the
// columns it shares with the old one.
QStringList rebuildTableStatements(const TableDef &table, const QStringList &oldColumns, Engine e);
// Around a bulk load into a server's table: the length checks of its text
// fields dropped, then made again for the widths `table` gives them, each
// in one statement, so that the rows loaded are checked once, against
// widths known only once they are all read. Empty where the table has no
// text field.
QString dropLengthChecks(const TableDef &table);
QString addLengthChecks(const TableDef &table);
// A field added to an existing table, null in the rows it holds.
QString addColumnStatement(const TableDef &table, const FieldDef &field, Engine e);
// The name of the check that holds a text field to its length limit.
QString lengthConstraintName(const QString &field);

QString insertDefaultRow(const TableDef &table);
// What follows an INSERT so that the query yields the new row's key (the
// counter, else the row id) as its one value; empty where the driver's
// last insert id gives it.
QString returningKey(const TableDef &table, Engine e);
// After rows were written with their counter keys given: the next key
// the engine assigns follows the largest one stored.
QString resetCounter(const TableDef &table, Engine e);

// For a connection that fills a new file in one transaction: nothing is
// written to disk before the commit.
QStringList bulkWriteStatements(Engine e);
// A new file filled in bulk goes without its indexes and triggers while
// the rows pour in, and has them made once, after: each by its type, name,
// the statement that makes it and its table.
QString indexesAndTriggersQuery();
QString dropStatement(const QString &type, const QString &name);

} // namespace arc::SqlDialect
