#include "SqlDialect.h"

namespace arc::SqlDialect {

namespace {

QString storeName(StoreKind kind)
{
    switch (kind) {
    case StoreKind::Setup: return QStringLiteral("Setup");
    case StoreKind::Certificates: return QStringLiteral("Certificates");
    case StoreKind::Reference: return QStringLiteral("Reference");
    }
    return {};
}

} // namespace

QString quoted(const QString &name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

QString rowIdOf(const TableDef &table)
{
    const QString key = table.counterField();
    return key.isEmpty() ? QStringLiteral("rowid") : quoted(key);
}

QString rowIdOf(const QString &tableName)
{
    const TableDef *t = Schema::table(tableName);
    return t ? rowIdOf(*t) : QStringLiteral("rowid");
}

QString driverName(Engine e) { return e == Engine::PostgreSQL ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"); }

QStringList connectionPragmas(Engine e)
{
    if (e == Engine::PostgreSQL)
        // A search's sort stays in memory, and no query waits for worker
        // processes to start: each is one person's click, not a report
        // over the whole database.
        return {QStringLiteral("SET client_min_messages = warning"), QStringLiteral("SET work_mem = '32MB'"),
                QStringLiteral("SET max_parallel_workers_per_gather = 0"),
                QStringLiteral("CREATE TABLE IF NOT EXISTS \"SchemaVersion\" (\"Store\" TEXT PRIMARY KEY, "
                               "\"Version\" INTEGER NOT NULL)")};
    // Rollback journal, not WAL: data folders may live on a network share.
    // Replaced content is overwritten, so a password once hashed leaves no
    // plain copy in the file. The cache holds a large folder's indexes and
    // the rows a search walks, so that searches read no page twice; it is
    // taken only as it is filled. A search's sort stays in memory instead
    // of being written to a temporary file.
    return {QStringLiteral("PRAGMA journal_mode=DELETE"), QStringLiteral("PRAGMA synchronous=FULL"),
            QStringLiteral("PRAGMA busy_timeout=5000"), QStringLiteral("PRAGMA secure_delete=ON"),
            QStringLiteral("PRAGMA cache_size=-65536"), QStringLiteral("PRAGMA temp_store=MEMORY")};
}

QString readOnlyConnectOptions() { return QStringLiteral("QSQLITE_OPEN_READONLY"); }

// A reader makes nothing: a server's role may be allowed to read only.
QStringList readOnlyPragmas(Engine e)
{
    if (e == Engine::PostgreSQL)
        return {QStringLiteral("SET client_min_messages = warning"), QStringLiteral("SET work_mem = '32MB'"),
                QStringLiteral("SET max_parallel_workers_per_gather = 0"),
                QStringLiteral("SET default_transaction_read_only = on")};
    return {QStringLiteral("PRAGMA busy_timeout=5000")};
}

QString tableColumnsQuery(Engine e)
{
    // Read from the catalog itself: the information schema's view costs
    // several times more, and opening asks it of every search copy.
    if (e == Engine::PostgreSQL)
        return QStringLiteral("SELECT a.attname::text FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid "
                              "JOIN pg_namespace n ON n.oid = c.relnamespace WHERE n.nspname = current_schema() "
                              "AND c.relname = ? AND c.relkind IN ('r', 'p', 'v', 'f', 'm') AND a.attnum > 0 "
                              "AND NOT a.attisdropped AND a.attname <> 'rowid' ORDER BY a.attnum");
    return QStringLiteral("SELECT name FROM pragma_table_info(?)");
}

QString schemaObjectsQuery(Engine e)
{
    if (e == Engine::PostgreSQL)
        // A fold trigger's function counts as part of the trigger. Read
        // from the catalog by the schema's oid: the pg_tables and pg_indexes
        // views cost several times more on a connection just made.
        return QStringLiteral(
            "WITH s AS (SELECT oid FROM pg_namespace WHERE nspname = current_schema()) "
            "SELECT CASE WHEN c.relkind IN ('r', 'p') THEN 'table' ELSE 'index' END AS type, c.relname::text AS name "
            "FROM pg_class c JOIN s ON c.relnamespace = s.oid WHERE c.relkind IN ('r', 'p', 'i', 'I') "
            "UNION ALL SELECT 'trigger', t.tgname::text FROM pg_trigger t JOIN pg_class c ON c.oid = t.tgrelid "
            "JOIN s ON c.relnamespace = s.oid "
            "UNION ALL SELECT 'trigger', p.proname::text FROM pg_proc p JOIN s ON p.pronamespace = s.oid "
            "UNION ALL SELECT 'column', c.relname::text || '.' || a.attname::text FROM pg_attribute a "
            "JOIN pg_class c ON c.oid = a.attrelid JOIN s ON c.relnamespace = s.oid "
            "WHERE c.relkind = 'r' AND a.attnum > 0 AND NOT a.attisdropped");
    return QStringLiteral("SELECT type, name FROM sqlite_master UNION ALL SELECT 'column', m.name || '.' || p.name "
                          "FROM sqlite_master m, pragma_table_info(m.name) p WHERE m.type = 'table'");
}

QString userVersionQuery(Engine e, StoreKind kind)
{
    if (e == Engine::PostgreSQL)
        return QStringLiteral("SELECT COALESCE((SELECT \"Version\" FROM \"SchemaVersion\" WHERE \"Store\" = '%1'), 0)")
            .arg(storeName(kind));
    return QStringLiteral("PRAGMA user_version");
}

QStringList setUserVersion(int version, Engine e, StoreKind kind)
{
    if (e == Engine::PostgreSQL)
        return {QStringLiteral("INSERT INTO \"SchemaVersion\" (\"Store\", \"Version\") VALUES ('%1', %2) "
                               "ON CONFLICT (\"Store\") DO UPDATE SET \"Version\" = EXCLUDED.\"Version\"")
                    .arg(storeName(kind))
                    .arg(version)};
    return {QStringLiteral("PRAGMA user_version=%1").arg(version)};
}

QString refreshStatistics(const QString &table, Engine e)
{
    return e == Engine::PostgreSQL ? QStringLiteral("ANALYZE ") + quoted(table) : QString();
}

QStringList settleTables(const QStringList &tables, Engine e)
{
    if (e != Engine::PostgreSQL)
        return {};
    QStringList analyses, vacuums;
    for (const QString &table : tables) {
        analyses << QStringLiteral("ANALYZE (SKIP_LOCKED) ") + quoted(table);
        vacuums << QStringLiteral("VACUUM (SKIP_LOCKED) ") + quoted(table);
    }
    return QStringList{QStringLiteral("SET synchronous_commit = local")} + analyses + vacuums
           + QStringList{QStringLiteral("RESET synchronous_commit")};
}

QString secondaryIndexesQuery(Engine e)
{
    if (e != Engine::PostgreSQL)
        return {};
    return QStringLiteral("SELECT c.relname::text, pg_get_indexdef(i.indexrelid) FROM pg_index i "
                          "JOIN pg_class c ON c.oid = i.indexrelid JOIN pg_class t ON t.oid = i.indrelid "
                          "JOIN pg_namespace n ON n.oid = t.relnamespace "
                          "WHERE n.nspname = current_schema() AND t.relname = ? AND NOT i.indisunique "
                          "AND NOT EXISTS (SELECT 1 FROM pg_constraint k WHERE k.conindid = i.indexrelid) "
                          "ORDER BY c.relname");
}

QString indexBuildMemory(Engine e)
{
    return e == Engine::PostgreSQL ? QStringLiteral("SET LOCAL maintenance_work_mem = '256MB'") : QString();
}

} // namespace arc::SqlDialect
