#include "RunHold.h"

#include "Database.h"
#include "NewFile.h"
#include "SqlDialectLocks.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>
#include <QtEndian>
#include <unistd.h>

namespace arc {

namespace {

// A folder's lock file, beside its data files.
QString lockFile(const Database &db, const QString &holder)
{
    return QFileInfo(db.filePath()).absolutePath() + QStringLiteral("/.issue-run-%1.lock").arg(holder);
}

// A server's lock key, from the holder's name.
qint64 lockKey(const QString &holder)
{
    const QByteArray hash = QCryptographicHash::hash(holder.toLatin1(), QCryptographicHash::Sha256);
    return qFromBigEndian<qint64>(hash.constData());
}

bool onServer(const Database &db) { return db.engine() == Engine::PostgreSQL; }

} // namespace

QString RunHold::newHolder() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

bool RunHold::isHolder(const QString &holder)
{
    static const QRegularExpression uuid(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    return uuid.match(holder).hasMatch();
}

std::unique_ptr<RunHold> RunHold::take(Database &db, const QString &holder, QString *why)
{
    std::unique_ptr<RunHold> hold(new RunHold(db, holder));
    if (!isHolder(holder)) {
        *why = QCoreApplication::translate("RunHold", "the run's name is not one the program makes");
        return nullptr;
    }
    if (onServer(db)) {
        const DbStatus s = db.exec(SqlDialect::sessionLock(db.engine()), {lockKey(holder)});
        if (!s.ok()) {
            *why = s.detail();
            return nullptr;
        }
        return hold;
    }
    if (!NewFile::write(lockFile(db, holder), QByteArray(), why, &hold->m_lock))
        return nullptr;
    return hold;
}

RunHold::~RunHold()
{
    if (onServer(m_db)) {
        (void)m_db.exec(SqlDialect::sessionUnlock(m_db.engine()), {lockKey(m_holder)});
        return;
    }
    // Gone before the lock is let go: nobody takes a file about to go for
    // a living run's.
    ::unlink(QFile::encodeName(lockFile(m_db, m_holder)).constData());
    NewFile::unlock(m_lock);
}

bool RunHold::held(Database &db, const QString &holder)
{
    if (!isHolder(holder))
        return false;
    if (onServer(db)) {
        DbStatus s;
        const bool took = db.scalar(SqlDialect::sessionTryLock(db.engine()), {lockKey(holder)}, &s).toBool();
        if (s.ok() && took)
            (void)db.exec(SqlDialect::sessionUnlock(db.engine()), {lockKey(holder)});
        return !s.ok() || !took;
    }
    const QString file = lockFile(db, holder);
    const QFileInfo at(file);
    return (at.exists() || at.isSymLink()) && !NewFile::abandoned(file);
}

void RunHold::clear(Database &db, const QString &holder)
{
    if (onServer(db) || !isHolder(holder))
        return;
    if (const QString file = lockFile(db, holder); NewFile::abandoned(file))
        ::unlink(QFile::encodeName(file).constData());
}

} // namespace arc
