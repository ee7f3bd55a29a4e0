#include "StoredTracking.h"

#include "Database.h"

namespace arc::StoredTracking {

bool onAnother(const Database &db, const QString &tracking, qint64 exceptFormIndex, DbStatus *status)
{
    DbStatus ignored;
    DbStatus &s = status ? *status : ignored;
    s = {};
    if (tracking.trimmed().isEmpty())
        return false;
    const QVariant found = db.scalar(QStringLiteral("SELECT 1 FROM \"Header\" WHERE upper(trim(\"Tracking\")) = ? "
                                                    "AND \"FormIndex\" <> ? LIMIT 1"),
                                     {tracking.trimmed().toUpper(), exceptFormIndex}, &s);
    return !s.ok() || !found.isNull();
}

} // namespace arc::StoredTracking
