#include "TakenNumbers.h"

#include "Database.h"
#include "StoredTracking.h"
#include "WriteTransaction.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QSysInfo>
#include <cerrno>
#include <signal.h>

namespace arc {

namespace {

struct TakenNumbersTexts {
    Q_DECLARE_TR_FUNCTIONS(TakenNumbers)
};

QString now() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODate); }

// As the page shows a number and as a save compares it.
QString key(const QString &tracking) { return tracking.trimmed().toUpper(); }

} // namespace

Station Station::here(const QString &user)
{
    QString who = user.trimmed();
    if (who.isEmpty())
        who = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return {QSysInfo::machineHostName(), who, QCoreApplication::applicationPid()};
}

bool processRuns(qint64 process)
{
    if (process <= 0 || process > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
}

DbStatus TakenNumbers::take(const QString &tracking, const Station &by) const
{
    if (key(tracking).isEmpty())
        return {};
    return m_db.exec(QStringLiteral("INSERT INTO \"TakenNumbers\" (\"Tracking\", \"TakenAt\", \"Workstation\", "
                                    "\"UserName\", \"Process\") VALUES (?, ?, ?, ?, ?)"),
                     {tracking.trimmed(), now(), by.workstation, by.user, by.process});
}

DbStatus TakenNumbers::stored(const QString &tracking) const
{
    return m_db.exec(QStringLiteral("DELETE FROM \"TakenNumbers\" WHERE upper(trim(\"Tracking\")) = ?"),
                     {key(tracking)});
}

DbStatus TakenNumbers::addVoid(const QString &tracking, const Station &by, const QString &reason) const
{
    DbStatus s = m_db.exec(QStringLiteral("INSERT INTO \"NumberVoids\" (\"Tracking\", \"VoidedAt\", \"Workstation\", "
                                          "\"UserName\", \"Reason\") VALUES (?, ?, ?, ?, ?)"),
                           {tracking.trimmed(), now(), by.workstation, by.user, reason.trimmed()});
    return s.ok() ? stored(tracking) : s;
}

DbStatus TakenNumbers::voidTaken(const QString &tracking, const Station &by, const QString &reason,
                                 bool *recorded) const
{
    if (recorded)
        *recorded = false;
    if (key(tracking).isEmpty())
        return {};
    WriteTransaction tx(m_db);
    if (!tx.ok())
        return tx.status();
    DbStatus s;
    // Stored meanwhile (the same number typed on a certificate) or voided
    // already: nothing to account for twice.
    if (StoredTracking::onAnother(m_db, tracking, 0, &s) || isVoid(tracking, &s)) {
        if (s.ok())
            s = stored(tracking);
        return s.ok() ? tx.commit() : s;
    }
    if (s = addVoid(tracking, by, reason); !s.ok())
        return s;
    s = tx.commit();
    if (recorded)
        *recorded = s.ok();
    return s;
}

DbStatus TakenNumbers::voidByHand(const QString &tracking, const Station &by, const QString &reason) const
{
    if (key(tracking).isEmpty())
        return DbStatus::failure(DbCondition::Other, TakenNumbersTexts::tr("no number was given"));
    if (reason.trimmed().isEmpty())
        return DbStatus::failure(DbCondition::Other, TakenNumbersTexts::tr("no reason was given"));
    WriteTransaction tx(m_db);
    if (!tx.ok())
        return tx.status();
    DbStatus s;
    if (StoredTracking::onAnother(m_db, tracking, 0, &s))
        return s.ok() ? DbStatus::failure(DbCondition::Other,
                                          TakenNumbersTexts::tr("a stored certificate holds %1").arg(tracking.trimmed()))
                      : s;
    if (isVoid(tracking, &s))
        return s.ok() ? DbStatus::failure(DbCondition::Other, TakenNumbersTexts::tr("%1 is void already").arg(tracking.trimmed()))
                      : s;
    if (s = addVoid(tracking, by, reason); !s.ok())
        return s;
    return tx.commit();
}

bool TakenNumbers::isVoid(const QString &tracking, DbStatus *status) const
{
    DbStatus ignored;
    DbStatus &s = status ? *status : ignored;
    const QVariant n = m_db.scalar(
        QStringLiteral("SELECT count(*) FROM \"NumberVoids\" WHERE upper(trim(\"Tracking\")) = ?"), {key(tracking)}, &s);
    return s.ok() && n.toLongLong() > 0;
}

DbStatus TakenNumbers::settleEnded(const Station &here, const std::function<bool(qint64)> &running, int *voided) const
{
    if (voided)
        *voided = 0;
    QSqlQuery q;
    DbStatus s = m_db.run(q,
                          QStringLiteral("SELECT \"Tracking\", \"UserName\", \"Process\" FROM \"TakenNumbers\" "
                                         "WHERE \"Workstation\" = ? ORDER BY \"TakenAt\""),
                          {here.workstation});
    std::vector<std::pair<QString, Station>> ended;
    while (s.ok() && q.next()) {
        const qint64 process = q.value(2).toLongLong();
        // A row of this very program's id is from one before it.
        if (process != here.process && running(process))
            continue;
        ended.push_back({q.value(0).toString(), Station{here.workstation, q.value(1).toString(), process}});
    }
    q.finish();
    for (const auto &[tracking, by] : ended) {
        if (s = voidTaken(tracking, by, programEnded()); !s.ok())
            return s;
        if (voided)
            ++*voided;
    }
    return s;
}

DbStatus TakenNumbers::voids(std::vector<VoidNumber> &out) const
{
    out.clear();
    QSqlQuery q;
    DbStatus s = m_db.run(q, QStringLiteral("SELECT \"Tracking\", \"VoidedAt\", \"Workstation\", \"UserName\", "
                                            "\"Reason\" FROM \"NumberVoids\" ORDER BY \"VoidedAt\", \"Tracking\""));
    while (s.ok() && q.next())
        out.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                       q.value(4).toString()});
    return s;
}

} // namespace arc
