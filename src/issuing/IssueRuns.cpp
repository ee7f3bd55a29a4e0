#include "IssueRuns.h"

#include "IssueLog.h"
#include "Schema.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace arc {

namespace {

struct IssueRunsTexts {
    Q_DECLARE_TR_FUNCTIONS(IssueRuns)
};

const QString kIssued = QStringLiteral("issued");
const QString kLeft = QStringLiteral("left");

QString keysText(const std::vector<qint64> &keys)
{
    QStringList parts;
    parts.reserve(qsizetype(keys.size()));
    for (qint64 k : keys)
        parts << QString::number(k);
    return parts.join(QLatin1Char(' '));
}

// Read from the data: whatever is not a key is passed over, and a run is
// never taken as longer than the most a run may hold.
std::vector<qint64> keysOf(const QString &text)
{
    constexpr int kMostKeys = 10000;
    std::vector<qint64> keys;
    for (const QStringView part : QStringView(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint64 k = part.toLongLong(&ok);
        if (ok && k > 0 && keys.size() < kMostKeys)
            keys.push_back(k);
    }
    return keys;
}

} // namespace

QString IssueRun::summary() const
{
    return QCoreApplication::translate("IssueRuns", "run of %1 from %2: %3 issued, %4 not")
        .arg(size)
        .arg(firstTracking)
        .arg(issued)
        .arg(size - issued);
}

IssueRuns::Begun IssueRuns::begin(const std::vector<qint64> &keys, const QString &signatory)
{
    Begun b;
    IssueRun &r = b.run;
    r.keys = keys;
    r.size = int(keys.size());
    r.signatory = signatory;
    r.startedAt = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
    r.holder = RunHold::newHolder();
    if (keys.empty()) {
        b.status = DbStatus::failure(DbCondition::Other, IssueRunsTexts::tr("a run holds no certificate"));
        return b;
    }
    r.firstTracking = m_db.scalar(QStringLiteral("SELECT \"Tracking\" FROM \"Header\" WHERE \"FormIndex\" = ?"),
                                  {keys.front()}, &b.status)
                          .toString()
                          .trimmed();
    if (!b.status.ok())
        return b;
    // Held before it is written, so that no station takes it for cut off.
    QString why;
    b.hold = RunHold::take(m_db, r.holder, &why);
    if (!b.hold) {
        b.status = DbStatus::failure(DbCondition::Other, why);
        return b;
    }
    b.status = m_db.exec(QStringLiteral("INSERT INTO \"IssueRuns\" (\"FirstTracking\", \"Size\", \"Signatory\", "
                                        "\"StartedAt\", \"Copies\", \"Holder\") VALUES (?, ?, ?, ?, ?, ?)"),
                         {r.firstTracking, r.size, r.signatory, r.startedAt.toString(Qt::ISODate), keysText(keys),
                          r.holder});
    if (b.status.ok())
        r.index = m_db.scalar(QStringLiteral("SELECT \"RunIndex\" FROM \"IssueRuns\" WHERE \"Holder\" = ?"),
                              {r.holder}, &b.status)
                      .toLongLong();
    if (!b.status.ok())
        b.hold.reset();
    return b;
}

IssueRuns::Begun IssueRuns::resume(const IssueRun &run)
{
    Begun b;
    b.run = run;
    b.run.holder = RunHold::newHolder();
    QString why;
    b.hold = RunHold::take(m_db, b.run.holder, &why);
    if (!b.hold) {
        b.status = DbStatus::failure(DbCondition::Other, why);
        return b;
    }
    // Taken only from the holder that was cut off, never from one that
    // another station took over meanwhile.
    QSqlQuery q;
    b.status = m_db.run(q,
                        QStringLiteral("UPDATE \"IssueRuns\" SET \"Holder\" = ? WHERE \"RunIndex\" = ? AND \"Holder\" = ? "
                                       "AND \"Ended\" IS NULL"),
                        {b.run.holder, run.index, run.holder});
    if (b.status.ok() && q.numRowsAffected() != 1)
        b.status = DbStatus::failure(DbCondition::ChangedElsewhere,
                                     QCoreApplication::translate("IssueRuns", "another workstation has taken up the run"));
    if (!b.status.ok())
        b.hold.reset();
    else
        RunHold::clear(m_db, run.holder);
    return b;
}

DbStatus IssueRuns::end(const IssueRun &run, Ending ending)
{
    const DbStatus s = m_db.exec(QStringLiteral("UPDATE \"IssueRuns\" SET \"Ended\" = ? WHERE \"RunIndex\" = ? AND "
                                                "\"Ended\" IS NULL"),
                                 {ending == Ending::Issued ? kIssued : kLeft, run.index});
    if (s.ok())
        RunHold::clear(m_db, run.holder);
    return s;
}

std::vector<IssueRun> IssueRuns::cutOff(DbStatus *status) const
{
    std::vector<IssueRun> runs;
    QSqlQuery q;
    DbStatus s = m_db.run(q, QStringLiteral("SELECT \"RunIndex\", \"FirstTracking\", \"Size\", \"Signatory\", "
                                            "\"StartedAt\", \"Copies\", \"Holder\" FROM \"IssueRuns\" WHERE \"Ended\" IS "
                                            "NULL ORDER BY \"RunIndex\""));
    while (s.ok() && q.next()) {
        IssueRun r;
        r.index = q.value(0).toLongLong();
        r.firstTracking = q.value(1).toString().trimmed();
        r.signatory = q.value(3).toString().trimmed();
        r.startedAt = QDateTime::fromString(q.value(4).toString(), Qt::ISODate).toUTC();
        r.keys = keysOf(q.value(5).toString());
        r.size = int(r.keys.size());
        r.holder = q.value(6).toString();
        runs.push_back(r);
    }
    std::erase_if(runs, [this](const IssueRun &r) { return RunHold::held(m_db, r.holder); });
    for (IssueRun &r : runs) {
        if (!s.ok())
            break;
        r.issued = r.size - int(unissued(r, &s).size());
    }
    if (status)
        *status = s;
    return s.ok() ? runs : std::vector<IssueRun>{};
}

std::vector<qint64> IssueRuns::unissued(const IssueRun &run, DbStatus *status) const
{
    std::vector<qint64> out;
    const IssueLog log(m_db);
    DbStatus s;
    for (qint64 key : run.keys) {
        const int logged = log.count(key, &s);
        if (!s.ok())
            break;
        if (logged == 0)
            out.push_back(key);
    }
    if (status)
        *status = s;
    return s.ok() ? out : std::vector<qint64>{};
}

} // namespace arc
