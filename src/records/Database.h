#pragma once

#include "DbStatus.h"
#include "Schema.h"
#include "SqlDialect.h"

#include <QVariantList>
#include <memory>

// Declared only: the many units that pass a database around never query
// it themselves and need no Qt SQL header.
QT_FORWARD_DECLARE_CLASS(QSqlDatabase)
QT_FORWARD_DECLARE_CLASS(QSqlQuery)

namespace arc {

class PreparedStatements;
class ReusedQuery;
struct ServerUri;

// One open database file. Opening checks the file really is one of ours
// and brings its tables up to the current schema.
class Database {
public:
    // ReadOnly opens an existing file without ever writing to it (a set-up
    // file in an installed program's folder).
    enum class Mode { ExistingOnly, CreateIfMissing, ReadOnly };

    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    DbStatus open(const QString &filePath, StoreKind kind, Mode mode = Mode::ExistingOnly);
    // Connect to a PostgreSQL database named by a connection URI and bring
    // the store's tables there up to the current schema; an empty database
    // gets them made. ReadOnly writes nothing, and needs a role that may
    // only read: tables of another version are refused (ReadOnly).
    DbStatus openServer(const QString &uri, StoreKind kind, Mode mode = Mode::ExistingOnly);
    // Connect to a server only to read from it (a hot standby): nothing is
    // made or changed there; a store of another schema version is refused.
    // `connectSeconds` bounds the wait for a server that does not answer.
    DbStatus openServerReadOnly(const QString &uri, StoreKind kind, int connectSeconds = 3);
    void close();
    bool isOpen() const { return !m_connectionName.isEmpty(); }
    bool isReadOnly() const { return m_readOnly; }
    // The file, or the server's URI without its password.
    const QString &filePath() const { return m_filePath; }
    StoreKind kind() const { return m_kind; }
    Engine engine() const { return m_engine; }

    QSqlDatabase connection() const;

    // Prepare, bind every value positionally and execute.
    DbStatus run(QSqlQuery &query, const QString &sql, const QVariantList &binds = {}) const;
    // The same with a statement prepared once per connection: a statement
    // with values is kept, once read, for the next run of its text.
    DbStatus run(ReusedQuery &query, const QString &sql, const QVariantList &binds = {}) const;
    DbStatus exec(const QString &sql, const QVariantList &binds = {}) const;
    // A query whose rows are read as they come, never held whole: on a
    // server, no other statement may run on this connection until `query`
    // is read to its end or let go.
    DbStatus stream(QSqlQuery &query, const QString &sql, const QVariantList &binds = {}) const;

    // The first column of the first row, or null.
    QVariant scalar(const QString &sql, const QVariantList &binds = {}, DbStatus *status = nullptr) const;

    bool inTransaction() const { return m_transactionDepth > 0; }

    // A server's connection is made again, outside a transaction, by the
    // first statement after it was lost (a query that met the loss is run
    // once more); within one, every statement gives ConnectionLost.
    // Connected: whether the server can be reached now, reconnecting when
    // the connection was lost (always true for a file).
    DbStatus ensureConnected();
    // Counts the connections made again; what lived in a lost one (the
    // temporary tables of a cursor's result) must be made again too.
    int connectionGeneration() const { return m_generation; }
    // Counts the statements that changed something and were kept (a
    // commit, or a change outside a transaction), so that a reader knows a
    // write was made here since it last looked.
    quint64 writeCount() const { return m_writes; }

private:
    static DbStatus connectServer(const ServerUri &uri, const QString &connection);
    // The opening of a parsed address, after close().
    DbStatus openServer(const ServerUri &uri, StoreKind kind, Mode mode);
    friend class WriteTransaction;
    DbStatus beginWrite();
    DbStatus commit();
    void rollback();
    DbStatus ensureSchema(bool fresh);
    DbStatus runReconnecting(QSqlQuery &query, const QString &sql, const QVariantList &binds, ReusedQuery *reuse) const;
    DbStatus runOnce(QSqlQuery &query, const QString &sql, const QVariantList &binds, ReusedQuery *reuse) const;
    DbStatus runConnected(QSqlQuery &query, const QString &sql, const QVariantList &binds,
                          ReusedQuery *reuse = nullptr) const;
    DbStatus runChecked(QSqlQuery &query, const QString &sql, const QVariantList &binds, ReusedQuery *reuse) const;
    bool connectionLost() const;
    DbStatus reconnect() const;
    QStringList pragmas() const;
    // Whether none of the store's tables is there yet.
    bool holdsNoTables(DbStatus &status) const;
    DbStatus rebuild(const QString &table);
    DbStatus addMissingFields();
    // An existing file without our version mark: what it lacks of ours.
    QStringList missingTablesAndFields(DbStatus &status) const;

    QString m_connectionName;
    QString m_filePath;
    StoreKind m_kind = StoreKind::Setup;
    Engine m_engine = Engine::SQLite;
    bool m_readOnly = false;
    int m_transactionDepth = 0;
    mutable bool m_streamed = false; // the query being run is read as it comes
    bool m_rollbackOnly = false;
    mutable int m_generation = 0;
    mutable quint64 m_writes = 0;
    std::unique_ptr<PreparedStatements> m_prepared;
};

} // namespace arc
