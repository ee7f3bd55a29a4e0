#include "Database.h"

#include <algorithm>

#include "FoldedCopies.h"
#include "PreparedStatements.h"
#include "ReusedQuery.h"
#include "ServerUri.h"
#include "SqlDialectErrors.h"
#include "SqlDialectLocks.h"
#include "SqlDialectTables.h"
#include "Statements.h"
#include "WriteTransaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>

namespace arc {

namespace {

struct DatabaseTexts {
    Q_DECLARE_TR_FUNCTIONS(Database)
};
QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("arc-db-%1").arg(++counter);
}

// A statement the driver refused without an error of the engine's (it
// never reached a connection that was closed meanwhile) is no success.
DbStatus failureOf(const QSqlError &error)
{
    const DbStatus s = SqlDialect::status(error);
    return s.ok() ? DbStatus::failure(DbCondition::Other, DatabaseTexts::tr("the statement was not run")) : s;
}
} // namespace

Database::Database() : m_prepared(std::make_unique<PreparedStatements>()) {}

Database::~Database() { close(); }

QSqlDatabase Database::connection() const { return QSqlDatabase::database(m_connectionName, false); }

DbStatus Database::open(const QString &filePath, StoreKind kind, Mode mode)
{
    close();
    const QFileInfo info(filePath);
    const QFileInfo folder(info.absolutePath());
    const QString name = info.fileName();
    if (!folder.exists() || !folder.isDir())
        return DbStatus::failure(DbCondition::InvalidPath, info.absolutePath());
    const bool fresh = !info.exists();
    if (fresh && mode != Mode::CreateIfMissing)
        return DbStatus::failure(DbCondition::FileNotFound, filePath);
    if (!fresh && (!info.isFile() || !info.isReadable()))
        return DbStatus::failure(DbCondition::FileNotFound, filePath);
    // No database of ours is ever empty: a file of no bytes was cut short
    // or made by someone else, and taking it for an empty store would hide
    // that the certificates are gone.
    if (!fresh && info.size() == 0)
        return DbStatus::failure(DbCondition::NotADatabase, DatabaseTexts::tr("%1 is an empty file (0 bytes)").arg(name));
    // The rollback journal is written beside the file, so the folder must be
    // writable as well as the file itself.
    if (mode != Mode::ReadOnly && ((!fresh && !info.isWritable()) || !folder.isWritable()))
        return DbStatus::failure(DbCondition::ReadOnly, filePath);

    const QString connection = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(SqlDialect::driverName(Engine::SQLite), connection);
        db.setDatabaseName(filePath);
        if (mode == Mode::ReadOnly)
            db.setConnectOptions(SqlDialect::readOnlyConnectOptions());
        if (!db.open()) {
            const DbStatus s = SqlDialect::status(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            return s.ok() ? DbStatus::failure(DbCondition::Other, filePath) : s;
        }
    }
    m_connectionName = connection;
    m_filePath = filePath;
    m_kind = kind;
    m_engine = Engine::SQLite;
    m_readOnly = mode == Mode::ReadOnly;

    DbStatus s;
    for (const QString &pragma : m_readOnly ? SqlDialect::readOnlyPragmas() : SqlDialect::connectionPragmas(Engine::SQLite)) {
        s = exec(pragma);
        if (s.is(DbCondition::NotADatabase))
            s = DbStatus::failure(DbCondition::NotADatabase, DatabaseTexts::tr("%1 is not an ARC 8130 database").arg(name));
        if (!s.ok())
            break;
    }
    if (s.ok())
        s = ensureSchema(fresh);
    if (!s.ok()) {
        close();
        if (fresh)
            QFile::remove(filePath);
    }
    return s;
}

// A connection to the server `uri` names, under `connection`; nothing is
// kept of it when it cannot be made.
DbStatus Database::connectServer(const ServerUri &uri, const QString &connection)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(SqlDialect::driverName(Engine::PostgreSQL), connection);
    if (!db.isValid()) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
        return DbStatus::failure(DbCondition::Other,
                                 DatabaseTexts::tr("the PostgreSQL driver of Qt (libqt6sql6-psql) is not installed"));
    }
    uri.configure(db);
    if (!db.open()) {
        const QString text = db.lastError().text().trimmed();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
        return DbStatus::failure(DbCondition::FileNotFound, QStringLiteral("%1: %2").arg(uri.display(), text));
    }
    return {};
}

DbStatus Database::openServer(const QString &uriText, StoreKind kind, Mode mode)
{
    close();
    QString why;
    const std::optional<ServerUri> uri = ServerUri::parse(uriText, &why);
    if (!uri)
        return DbStatus::failure(DbCondition::InvalidPath,
                                 QStringLiteral("%1: %2").arg(ServerUri::withoutPassword(uriText), why));
    return openServer(*uri, kind, mode);
}

DbStatus Database::openServerReadOnly(const QString &uriText, StoreKind kind, int connectSeconds)
{
    close();
    QString why;
    std::optional<ServerUri> uri = ServerUri::parse(uriText, &why);
    if (!uri)
        return DbStatus::failure(DbCondition::InvalidPath,
                                 QStringLiteral("%1: %2").arg(ServerUri::withoutPassword(uriText), why));
    const bool unbounded = std::none_of(uri->options.cbegin(), uri->options.cend(), [](const auto &o) {
        return o.first == QLatin1String("connect_timeout");
    });
    if (unbounded && connectSeconds > 0)
        uri->options.append({QStringLiteral("connect_timeout"), QString::number(connectSeconds)});
    return openServer(*uri, kind, Mode::ReadOnly);
}

DbStatus Database::openServer(const ServerUri &uri, StoreKind kind, Mode mode)
{
    const QString connection = nextConnectionName();
    if (DbStatus s = connectServer(uri, connection); !s.ok())
        return s;
    m_connectionName = connection;
    m_filePath = uri.display();
    m_kind = kind;
    m_engine = Engine::PostgreSQL;
    m_readOnly = mode == Mode::ReadOnly;
    DbStatus s;
    for (const QString &sql : pragmas())
        if (s = exec(sql); !s.ok())
            break;
    if (m_readOnly) {
        if (s.ok())
            s = ensureSchema(false);
        if (!s.ok())
            close();
        return s;
    }
    // Stations started together on an empty database make its tables once.
    if (s.ok())
        s = exec(SqlDialect::schemaLock(m_engine));
    bool fresh = false;
    if (s.ok())
        fresh = holdsNoTables(s);
    if (s.ok())
        s = ensureSchema(fresh);
    if (s.ok() && fresh && kind == StoreKind::Certificates)
        // What a new data folder starts from, as its files are made.
        s = exec(QStringLiteral("INSERT INTO \"Defaults\" (\"Country\") VALUES (?)"), {QStringLiteral("FAA/United States")});
    if (isOpen())
        (void)exec(SqlDialect::schemaUnlock(m_engine)); // also released when the connection ends
    if (!s.ok())
        close();
    return s;
}

bool Database::holdsNoTables(DbStatus &status) const
{
    for (const TableDef &table : Schema::tables(m_kind)) {
        if (!scalar(SqlDialect::tableColumnsQuery(m_engine), {table.name}, &status).isNull())
            return false;
        if (!status.ok())
            return false;
    }
    return true;
}

void Database::close()
{
    if (m_connectionName.isEmpty())
        return;
    m_prepared->clear(); // prepared on this connection, run on no other
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
    m_transactionDepth = 0;
    m_rollbackOnly = false;
    m_readOnly = false;
    m_engine = Engine::SQLite;
}

DbStatus Database::ensureSchema(bool fresh)
{
    const QString name = m_engine == Engine::PostgreSQL ? m_filePath : QFileInfo(m_filePath).fileName();
    DbStatus s;
    const QVariant version = scalar(SqlDialect::userVersionQuery(m_engine, m_kind), {}, &s);
    if (!s.ok())
        return s.is(DbCondition::Other) || s.is(DbCondition::NotADatabase)
                   ? DbStatus::failure(DbCondition::NotADatabase,
                                       DatabaseTexts::tr("%1 is not an ARC 8130 database").arg(name))
                   : s;
    const int current = version.toInt();
    if (current == Schema::version)
        return m_readOnly ? DbStatus() : FoldedCopies::ensure(*this);
    if (current > Schema::version)
        return DbStatus::failure(DbCondition::NotADatabase,
                                 DatabaseTexts::tr("%1 was written by a newer version of the program").arg(name));
    if (current == 0 && !fresh) {
        // Made by hand or by a migration tool: ours if every table and field
        // is there, whatever else the file holds.
        const QStringList missing = missingTablesAndFields(s);
        if (!s.ok())
            return s;
        if (!missing.isEmpty())
            return DbStatus::failure(DbCondition::NotADatabase,
                                     DatabaseTexts::tr("%1 lacks %2").arg(name, missing.join(QStringLiteral(", "))));
    }
    if (m_readOnly)
        return current == 0 && !fresh ? DbStatus()
                                      : DbStatus::failure(DbCondition::ReadOnly, m_filePath);
    WriteTransaction tx(*this);
    if (!tx.ok())
        return tx.status();
    if (current > 0) {
        for (const Schema::Change &change : Schema::changes()) {
            if (change.version <= current || change.kind != m_kind)
                continue;
            if (s = rebuild(change.table); !s.ok())
                return s;
        }
    }
    std::vector<TableDef> tables = Schema::tables(m_kind);
    if (m_engine == Engine::PostgreSQL)
        for (const TableDef &table : Schema::serverOnlyTables(m_kind))
            tables.push_back(table);
    for (const TableDef &table : tables) {
        for (const QString &sql : SqlDialect::createTableStatements(table, m_engine)) {
            s = exec(sql);
            if (!s.ok())
                return s;
        }
    }
    if (s = addMissingFields(); !s.ok())
        return s;
    if (m_kind == StoreKind::Reference)
        if (s = Statements::addMissing(*this); !s.ok())
            return s;
    if (s = FoldedCopies::ensure(*this); !s.ok())
        return s;
    for (const QString &sql : SqlDialect::setUserVersion(Schema::version, m_engine, m_kind))
        if (s = exec(sql); !s.ok())
            return s;
    return tx.commit();
}

DbStatus Database::rebuild(const QString &tableName)
{
    const TableDef *table = Schema::table(tableName);
    QSqlQuery q;
    DbStatus s = run(q, SqlDialect::tableColumnsQuery(m_engine), {tableName});
    QStringList columns;
    while (s.ok() && q.next())
        columns << q.value(0).toString();
    if (!s.ok() || !table || columns.isEmpty())
        return s; // not there yet: made whole below
    for (const QString &sql : SqlDialect::rebuildTableStatements(*table, columns, m_engine))
        if (s = exec(sql); !s.ok())
            return s;
    return {};
}

DbStatus Database::addMissingFields()
{
    for (const Schema::AddedField &added : Schema::addedFields()) {
        if (added.kind != m_kind)
            continue;
        QSqlQuery q;
        DbStatus s = run(q, SqlDialect::tableColumnsQuery(m_engine), {added.table});
        QStringList columns;
        while (s.ok() && q.next())
            columns << q.value(0).toString();
        if (!s.ok())
            return s;
        const TableDef *table = Schema::table(added.table);
        const FieldDef *field = table ? table->field(added.field) : nullptr;
        if (!field || columns.contains(added.field, Qt::CaseInsensitive))
            continue;
        if (s = exec(SqlDialect::addColumnStatement(*table, *field, m_engine)); !s.ok())
            return s;
    }
    return {};
}

QStringList Database::missingTablesAndFields(DbStatus &status) const
{
    QStringList missing;
    for (const TableDef &table : Schema::tables(m_kind)) {
        if (Schema::isAddition(table.name))
            continue; // made when the file is marked
        QSqlQuery q;
        status = run(q, SqlDialect::tableColumnsQuery(m_engine), {table.name});
        if (!status.ok())
            return {};
        QStringList present;
        while (q.next())
            present << q.value(0).toString();
        if (present.isEmpty()) {
            missing << DatabaseTexts::tr("table %1").arg(table.name);
            continue;
        }
        for (const FieldDef &f : table.fields)
            if (!present.contains(f.name, Qt::CaseInsensitive)
                && (m_readOnly || !Schema::isAddedField(table.name, f.name))) // added when marked
                missing << DatabaseTexts::tr("field %1.%2").arg(table.name, f.name);
    }
    return missing;
}

DbStatus Database::run(QSqlQuery &query, const QString &sql, const QVariantList &binds) const
{
    return runReconnecting(query, sql, binds, nullptr);
}

DbStatus Database::stream(QSqlQuery &query, const QString &sql, const QVariantList &binds) const
{
    m_streamed = true;
    const DbStatus s = runReconnecting(query, sql, binds, nullptr);
    m_streamed = false;
    return s;
}

DbStatus Database::run(ReusedQuery &query, const QString &sql, const QVariantList &binds) const
{
    query.release();
    return runReconnecting(query.m_query, sql, binds, &query);
}

DbStatus Database::runReconnecting(QSqlQuery &query, const QString &sql, const QVariantList &binds,
                                   ReusedQuery *reuse) const
{
    if (!isOpen())
        return DbStatus::failure(DbCondition::Other, DatabaseTexts::tr("database not open"));
    if (m_engine != Engine::PostgreSQL)
        return runConnected(query, sql, binds, reuse);
    const bool outside = m_transactionDepth == 0;
    const auto lost = [&](const QString &why) {
        return DbStatus::failure(DbCondition::ConnectionLost,
                                 DatabaseTexts::tr("the server %1 cannot be reached: %2").arg(m_filePath, why));
    };
    // A transaction does not outlive its connection: it fails to its end.
    if (connectionLost()) {
        if (!outside)
            return lost(DatabaseTexts::tr("the connection was lost"));
        if (DbStatus s = reconnect(); !s.ok())
            return s;
    }
    DbStatus s = runConnected(query, sql, binds, reuse);
    if (s.ok() || !(s.is(DbCondition::ConnectionLost) || connectionLost()))
        return s;
    // The statement that meets a lost session finds it out; one that
    // changes nothing is run again on a new connection.
    const bool rerun = sql.startsWith(QLatin1String("SELECT")) || sql == SqlDialect::beginWriteTransaction(m_engine);
    if (outside && rerun && reconnect().ok())
        return runConnected(query, sql, binds, reuse);
    return lost(s.detail().trimmed());
}

bool Database::connectionLost() const { return m_engine == Engine::PostgreSQL && !connection().isOpen(); }

DbStatus Database::reconnect() const
{
    // What the lost session prepared is gone with it.
    m_prepared->clear();
    QSqlDatabase db = connection();
    db.close();
    if (!db.open())
        return DbStatus::failure(DbCondition::ConnectionLost, DatabaseTexts::tr("the server %1 cannot be reached: %2")
                                                                   .arg(m_filePath, db.lastError().text().trimmed()));
    ++m_generation;
    QSqlQuery q;
    for (const QString &sql : pragmas())
        if (DbStatus s = runConnected(q, sql, {}); !s.ok())
            return s;
    return {};
}

QStringList Database::pragmas() const
{
    return m_readOnly ? SqlDialect::readOnlyPragmas(m_engine) : SqlDialect::connectionPragmas(m_engine);
}

DbStatus Database::ensureConnected()
{
    if (!isOpen() || m_engine != Engine::PostgreSQL || m_transactionDepth > 0)
        return {};
    return exec(QStringLiteral("SELECT 1"));
}

DbStatus Database::runConnected(QSqlQuery &query, const QString &sql, const QVariantList &binds,
                                ReusedQuery *reuse) const
{
    DbStatus s = runChecked(query, sql, binds, reuse);
    // What a reader must see again: a commit, or a change kept at once.
    if (s.ok()
        && (sql == QLatin1String("COMMIT")
            || (m_transactionDepth == 0
                && (sql.startsWith(QLatin1String("INSERT")) || sql.startsWith(QLatin1String("UPDATE"))
                    || sql.startsWith(QLatin1String("DELETE"))))))
        ++m_writes;
    return s;
}

DbStatus Database::runChecked(QSqlQuery &query, const QString &sql, const QVariantList &binds,
                              ReusedQuery *reuse) const
{
    if (m_transactionDepth == 0 || !SqlDialect::failureAbortsTransaction(m_engine) || sql == QLatin1String("COMMIT")
        || sql == QLatin1String("ROLLBACK") || sql.startsWith(QLatin1String("SELECT")))
        return runOnce(query, sql, binds, reuse);
    // A refused statement (a value too long for its field, say) must leave
    // the transaction usable, as it does on SQLite.
    QSqlQuery mark(connection());
    if (!mark.exec(QStringLiteral("SAVEPOINT arc_statement")))
        return failureOf(mark.lastError());
    const DbStatus s = runOnce(query, sql, binds, reuse);
    mark.exec(s.ok() ? QStringLiteral("RELEASE SAVEPOINT arc_statement")
                     : QStringLiteral("ROLLBACK TO SAVEPOINT arc_statement"));
    return s;
}

DbStatus Database::runOnce(QSqlQuery &query, const QString &sql, const QVariantList &binds, ReusedQuery *reuse) const
{
    // The server's driver streams a forward-only result row by row, which
    // the next statement on the connection would cut short: its results
    // are fetched whole, unless streamed.
    const bool forwardOnly = m_engine == Engine::SQLite || m_streamed;
    if (reuse && !binds.isEmpty()) {
        reuse->release();
        const quint64 age = m_prepared->age();
        if (!m_prepared->take(connection(), sql, forwardOnly, query))
            return failureOf(query.lastError());
        for (const QVariant &v : binds)
            query.addBindValue(v);
        if (!query.exec())
            return failureOf(query.lastError()); // not kept: prepared again next time
        reuse->m_kept = m_prepared.get();
        reuse->m_sql = sql;
        reuse->m_age = age;
        return {};
    }
    query = QSqlQuery(connection());
    query.setForwardOnly(forwardOnly);
    // The server prepares only queries and row changes, never definitions.
    if (binds.isEmpty() && m_engine == Engine::PostgreSQL)
        return query.exec(sql) ? DbStatus() : failureOf(query.lastError());
    if (!query.prepare(sql))
        return failureOf(query.lastError());
    for (const QVariant &v : binds)
        query.addBindValue(v);
    if (!query.exec())
        return failureOf(query.lastError());
    return {};
}

DbStatus Database::exec(const QString &sql, const QVariantList &binds) const
{
    ReusedQuery q;
    return run(q, sql, binds);
}

QVariant Database::scalar(const QString &sql, const QVariantList &binds, DbStatus *status) const
{
    ReusedQuery q;
    DbStatus s = run(q, sql, binds);
    QVariant v;
    if (s.ok()) {
        if (q->next())
            v = q->value(0);
        else if (q->lastError().type() != QSqlError::NoError)
            s = SqlDialect::status(q->lastError());
    }
    if (status)
        *status = s;
    return v;
}

DbStatus Database::beginWrite()
{
    if (m_transactionDepth > 0) {
        ++m_transactionDepth;
        return {};
    }
    DbStatus s = exec(SqlDialect::beginWriteTransaction(m_engine));
    if (s.ok()) {
        m_transactionDepth = 1;
        m_rollbackOnly = false;
    }
    return s;
}

DbStatus Database::commit()
{
    if (m_transactionDepth > 1) {
        --m_transactionDepth;
        return {};
    }
    if (m_rollbackOnly) {
        rollback();
        return DbStatus::failure(DbCondition::Other, DatabaseTexts::tr("an inner step of the transaction failed"));
    }
    DbStatus s = exec(QStringLiteral("COMMIT"));
    if (!s.ok()) {
        // A failed COMMIT can leave the transaction open; end it so the
        // lock is released and the file keeps its old state.
        (void)exec(QStringLiteral("ROLLBACK"));
    }
    m_transactionDepth = 0;
    m_rollbackOnly = false;
    return s;
}

void Database::rollback()
{
    if (m_transactionDepth == 0)
        return;
    if (m_transactionDepth > 1) {
        // An inner failure spoils the whole transaction.
        --m_transactionDepth;
        m_rollbackOnly = true;
        return;
    }
    (void)exec(QStringLiteral("ROLLBACK")); // what failed before is what the caller hears of
    m_transactionDepth = 0;
    m_rollbackOnly = false;
}

} // namespace arc
