#include "ReaderRoute.h"

#include <QSqlDatabase>

#include "ServerUri.h"

#include <QSqlQuery>

namespace arc {

namespace {

// The same server answers both addresses when it was started at the same
// instant and listens on the same port.
const QString kPrimaryState = QStringLiteral(
    "SELECT pg_postmaster_start_time()::text || '/' || coalesce(inet_server_port()::text, ''), "
    "CASE WHEN pg_is_in_recovery() THEN NULL ELSE pg_current_wal_lsn()::text END");

// Whether it is a standby, who it is, whether it has replayed the write
// awaited and what the primary holds now, and how old its last replayed
// transaction is (null before its first).
const QString kStandbyState = QStringLiteral(
    "SELECT pg_is_in_recovery(), "
    "pg_postmaster_start_time()::text || '/' || coalesce(inet_server_port()::text, ''), "
    "coalesce(pg_last_wal_replay_lsn() >= ?::pg_lsn, false), "
    "coalesce(pg_last_wal_replay_lsn() >= ?::pg_lsn, false), "
    "extract(epoch FROM now() - pg_last_xact_replay_timestamp())::float8");

} // namespace

ReaderRoute::~ReaderRoute() { close(); }

void ReaderRoute::setReplica(const QString &uri)
{
    const QString trimmed = uri.trimmed();
    if (trimmed == m_replica)
        return;
    close();
    m_replica = trimmed;
    m_sinceFailure.invalidate();
    m_awaited.clear();
}

void ReaderRoute::close()
{
    m_standby.close();
}

Database &ReaderRoute::reader()
{
    Database &chosen = decide();
    const auto passedOver = [](ReadReason r) { return r == ReadReason::CatchingUp ? ReadReason::Standby : r; };
    if (passedOver(m_reason) != passedOver(m_toldReason)) {
        m_toldReason = m_reason;
        if (m_told)
            m_told(passedOver(m_reason), m_detail);
    }
    return chosen;
}

void ReaderRoute::setReason(ReadReason why, const QString &detail)
{
    m_reason = why;
    m_detail = detail;
}

Database &ReaderRoute::fromPrimary(ReadReason why, const QString &detail)
{
    setReason(why, detail);
    return m_primary;
}

bool ReaderRoute::readPrimary(QString &identity, QString &lsn)
{
    QSqlQuery q;
    if (!m_primary.run(q, kPrimaryState).ok() || !q.next())
        return false;
    identity = q.value(0).toString();
    lsn = q.value(1).toString();
    return true;
}

Database &ReaderRoute::decide()
{
    if (m_replica.isEmpty() || !m_primary.isOpen() || m_primary.engine() != Engine::PostgreSQL)
        return fromPrimary(ReadReason::NoStandby);
    QString why;
    if (!ServerUri::parse(m_replica, &why))
        return fromPrimary(ReadReason::InvalidAddress, why);
    if (!m_standby.isOpen()) {
        if (m_sinceFailure.isValid() && m_sinceFailure.elapsed() < m_retryMs)
            return fromPrimary(m_reason, m_detail);
        const DbStatus s = m_standby.openServerReadOnly(m_replica, m_primary.kind());
        if (!s.ok()) {
            m_sinceFailure.start();
            // A reader refuses tables of another version as a file it may not write.
            const bool otherSchema = s.is(DbCondition::NotADatabase) || s.is(DbCondition::ReadOnly);
            return fromPrimary(otherSchema ? ReadReason::OtherSchema : ReadReason::Unreachable, s.detail());
        }
        m_sinceFailure.invalidate();
    }
    QString primaryIdentity, primaryLsn;
    if (!readPrimary(primaryIdentity, primaryLsn))
        return fromPrimary(m_reason, m_detail); // the primary's own failure is met by the read itself
    // A write made here since the last look: awaited on the standby.
    if (m_primary.writeCount() != m_writesSeen) {
        m_writesSeen = m_primary.writeCount();
        m_awaited = primaryLsn;
    }
    const QString zero = QStringLiteral("0/0");
    QSqlQuery q;
    const DbStatus s = m_standby.run(q, kStandbyState,
                                     {m_awaited.isEmpty() ? zero : m_awaited, primaryLsn.isEmpty() ? zero : primaryLsn});
    if (!s.ok() || !q.next()) {
        m_standby.close();
        m_sinceFailure.start();
        return fromPrimary(ReadReason::Unreachable, s.ok() ? QString() : s.detail());
    }
    if (q.value(1).toString() == primaryIdentity)
        return fromPrimary(ReadReason::SameAsPrimary);
    if (!q.value(0).toBool())
        return fromPrimary(ReadReason::NotInRecovery);
    const bool replayedAwaited = q.value(2).toBool();
    const bool replayedAll = q.value(3).toBool();
    const QVariant age = q.value(4);
    // An idle primary's last transaction ages on the standby too: only
    // behind what the primary holds is it lagging.
    if (!replayedAll && !age.isNull() && age.toDouble() > m_lagLimit)
        return fromPrimary(ReadReason::Lagging, QString::number(static_cast<qint64>(age.toDouble())));
    if (!m_awaited.isEmpty()) {
        if (!replayedAwaited)
            return fromPrimary(ReadReason::CatchingUp);
        m_awaited.clear();
    }
    setReason(ReadReason::Standby, {});
    return m_standby;
}

QString ReaderRoute::connectionName() { return reader().connection().connectionName(); }

} // namespace arc
