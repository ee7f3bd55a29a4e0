#include "Database.h"

#include "SqlDialect.h"
#include "WriteTransaction.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlRecord>
#include <atomic>

namespace arc {

namespace {
QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("arc-db-%1").arg(++counter);
}
} // namespace

Database::~Database() { close(); }

QSqlDatabase Database::connection() const { return QSqlDatabase::database(m_connectionName, false); }

DbStatus Database::open(const QString &filePath, StoreKind kind, Mode mode)
{
    close();
    const QFileInfo info(filePath);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists() || !folder.isDir())
        return DbStatus::failure(DbCondition::InvalidPath, info.absolutePath());
    const bool fresh = !info.exists();
    if (fresh && mode == Mode::ExistingOnly)
        return DbStatus::failure(DbCondition::FileNotFound, filePath);
    if (!fresh && (!info.isFile() || !info.isReadable()))
        return DbStatus::failure(DbCondition::FileNotFound, filePath);
    // The rollback journal is written beside the file, so the folder must be
    // writable as well as the file itself.
    if ((!fresh && !info.isWritable()) || !folder.isWritable())
        return DbStatus::failure(DbCondition::ReadOnly, filePath);

    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(SqlDialect::driverName(), name);
        db.setDatabaseName(filePath);
        if (!db.open()) {
            const DbStatus s = SqlDialect::status(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            return s.ok() ? DbStatus::failure(DbCondition::Other, filePath) : s;
        }
    }
    m_connectionName = name;
    m_filePath = filePath;
    m_kind = kind;

    DbStatus s;
    for (const QString &pragma : SqlDialect::connectionPragmas()) {
        s = exec(pragma);
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

void Database::close()
{
    if (m_connectionName.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
    m_transactionDepth = 0;
    m_rollbackOnly = false;
}

DbStatus Database::ensureSchema(bool fresh)
{
    DbStatus s;
    const QVariant version = scalar(SqlDialect::userVersionQuery(), {}, &s);
    if (!s.ok())
        return s.is(DbCondition::Other) ? DbStatus::failure(DbCondition::NotADatabase, s.detail()) : s;
    const int current = version.toInt();
    if (current == Schema::version)
        return {};
    if (current > Schema::version)
        return DbStatus::failure(DbCondition::NotADatabase,
                                 QStringLiteral("%1 was written by a newer version of the program").arg(m_filePath));
    if (current == 0 && !fresh) {
        // An existing file without our version mark must hold no tables of
        // anyone else's before we add ours.
        const QVariant foreign = scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"), {}, &s);
        if (!s.ok())
            return s;
        if (foreign.toInt() > 0)
            return DbStatus::failure(DbCondition::NotADatabase, m_filePath);
    }
    WriteTransaction tx(*this);
    if (!tx.ok())
        return tx.status();
    for (const TableDef &table : Schema::tables(m_kind)) {
        for (const QString &sql : SqlDialect::createTableStatements(table)) {
            s = exec(sql);
            if (!s.ok())
                return s;
        }
    }
    s = exec(SqlDialect::setUserVersion(Schema::version));
    if (!s.ok())
        return s;
    return tx.commit();
}

DbStatus Database::run(QSqlQuery &query, const QString &sql, const QVariantList &binds) const
{
    if (!isOpen())
        return DbStatus::failure(DbCondition::Other, QStringLiteral("database not open"));
    query = QSqlQuery(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return SqlDialect::status(query.lastError());
    for (const QVariant &v : binds)
        query.addBindValue(v);
    if (!query.exec())
        return SqlDialect::status(query.lastError());
    return {};
}

DbStatus Database::exec(const QString &sql, const QVariantList &binds) const
{
    QSqlQuery q;
    return run(q, sql, binds);
}

QVariant Database::scalar(const QString &sql, const QVariantList &binds, DbStatus *status) const
{
    QSqlQuery q;
    DbStatus s = run(q, sql, binds);
    QVariant v;
    if (s.ok()) {
        if (q.next())
            v = q.value(0);
        else if (q.lastError().type() != QSqlError::NoError)
            s = SqlDialect::status(q.lastError());
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
    DbStatus s = exec(SqlDialect::beginWriteTransaction());
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
        return DbStatus::failure(DbCondition::Other, QStringLiteral("an inner step of the transaction failed"));
    }
    DbStatus s = exec(QStringLiteral("COMMIT"));
    if (!s.ok()) {
        // A failed COMMIT can leave the transaction open; end it so the
        // lock is released and the file keeps its old state.
        exec(QStringLiteral("ROLLBACK"));
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
    exec(QStringLiteral("ROLLBACK"));
    m_transactionDepth = 0;
    m_rollbackOnly = false;
}

} // namespace arc
