#pragma once

#include "SqlDialect.h"

namespace arc::SqlDialect {

QString beginWriteTransaction(Engine e);
// Locks, until the transaction ends, the first row of a table (a counter
// row) or the row of a key: other stations wait, then read what was
// committed. Empty where the write transaction itself locks the store.
QString lockFirstRow(const TableDef &table, Engine e);
QString lockRow(const TableDef &table, Engine e);
// Whether a failed statement spoils the transaction it runs in, so that
// each statement must run inside a savepoint of its own.
bool failureAbortsTransaction(Engine e);
// Held by one station at a time while it makes or upgrades the schema.
QString schemaLock(Engine e);
QString schemaUnlock(Engine e);
// A lock of the session on a key of the caller's (one bound number), held
// until released or the session ends, so that another station can tell
// whether its holder is still there by trying it: the try answers true
// when it took the lock. Empty where the engine has no such locks.
QString sessionLock(Engine e);
QString sessionTryLock(Engine e);
QString sessionUnlock(Engine e);

} // namespace arc::SqlDialect
