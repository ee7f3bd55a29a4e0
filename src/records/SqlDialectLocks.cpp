#include "SqlDialectLocks.h"

namespace arc::SqlDialect {

namespace {
constexpr int kSchemaLockKey = 8130;
}

QString beginWriteTransaction(Engine e)
{
    return e == Engine::PostgreSQL ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE");
}

QString lockFirstRow(const TableDef &table, Engine e)
{
    if (e != Engine::PostgreSQL)
        return {}; // BEGIN IMMEDIATE holds the whole file
    return QStringLiteral("SELECT 1 FROM %1 ORDER BY %2 LIMIT 1 FOR UPDATE").arg(quoted(table.name), rowIdOf(table));
}

QString lockRow(const TableDef &table, Engine e)
{
    if (e != Engine::PostgreSQL)
        return {};
    return QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? FOR UPDATE").arg(quoted(table.name), rowIdOf(table));
}

bool failureAbortsTransaction(Engine e) { return e == Engine::PostgreSQL; }

QString schemaLock(Engine e)
{
    return e == Engine::PostgreSQL ? QStringLiteral("SELECT pg_advisory_lock(%1)").arg(kSchemaLockKey)
                                   : QStringLiteral("SELECT 1");
}

QString schemaUnlock(Engine e)
{
    return e == Engine::PostgreSQL ? QStringLiteral("SELECT pg_advisory_unlock(%1)").arg(kSchemaLockKey)
                                   : QStringLiteral("SELECT 1");
}

QString sessionLock(Engine e)
{
    return e == Engine::PostgreSQL ? QStringLiteral("SELECT pg_advisory_lock(?)") : QString();
}

QString sessionTryLock(Engine e)
{
    return e == Engine::PostgreSQL ? QStringLiteral("SELECT pg_try_advisory_lock(?)") : QString();
}

QString sessionUnlock(Engine e)
{
    return e == Engine::PostgreSQL ? QStringLiteral("SELECT pg_advisory_unlock(?)") : QString();
}

} // namespace arc::SqlDialect
