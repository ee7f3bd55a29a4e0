#include "StoredTracking.h"

#include "Database.h"

#include <QSqlQuery>

namespace arc::StoredTracking {

bool onAnother(const Database &db, const QString &tracking, qint64 exceptFormIndex, DbStatus *status)
{
    DbStatus ignored;
    DbStatus &s = status ? *status : ignored;
    const bool held = holder(db, tracking, exceptFormIndex, s).has_value();
    return !s.ok() || held;
}

std::optional<Holder> holder(const Database &db, const QString &tracking, qint64 exceptFormIndex, DbStatus &status)
{
    status = {};
    if (tracking.trimmed().isEmpty())
        return std::nullopt;
    QSqlQuery q;
    status = db.run(q,
                    QStringLiteral("SELECT \"FormIndex\", \"Date18\", \"Date23\" FROM \"Header\" "
                                   "WHERE upper(trim(\"Tracking\")) = ? AND \"FormIndex\" <> ? "
                                   "ORDER BY \"FormIndex\" LIMIT 1"),
                    {tracking.trimmed().toUpper(), exceptFormIndex});
    if (!status.ok() || !q.next())
        return std::nullopt;
    const QDate signedOn = q.value(1).toDate();
    return Holder{q.value(0).toLongLong(), signedOn.isValid() ? signedOn : q.value(2).toDate()};
}

} // namespace arc::StoredTracking
