#include "ActivityCounts.h"

#include "CorrectionOpening.h"
#include "Database.h"
#include "FoldedCopies.h"
#include "SearchText.h"
#include "SqlDialect.h"

#include <QSqlError>
#include <QSqlQuery>

namespace arc {

DbStatus ActivityCounts::count(Database &db, const QString &name, const QDate &from, const QDate &to,
                               ActivityCounts &out)
{
    DbStatus s = FoldedCopies::bringUpToDate(db);
    if (!s.ok())
        return s;
    // One pass for the three statuses. A correction releases nothing
    // again: its lines were counted with the certificate it corrects. A date is on a day when it lies
    // from that day up to the next, whatever a time stored with it.
    const QString first = from.toString(Qt::ISODate);
    const QString pastLast = to.addDays(1).toString(Qt::ISODate);
    const QString who = SearchText::fold(name);
    QSqlQuery q;
    s = db.run(q,
               QStringLiteral("SELECT count(CASE WHEN d.\"Status\" = ? THEN 1 END), "
                              "count(CASE WHEN d.\"Status\" = ? THEN 1 END), "
                              "count(CASE WHEN d.\"Status\" = ? THEN 1 END) "
                              "FROM \"Header\" h JOIN %1 hf ON hf.\"FormIndex\" = h.\"FormIndex\" "
                              "JOIN %2 d ON d.\"FormIndex\" = h.\"FormIndex\" "
                              "WHERE ((h.\"Date18\" >= ? AND h.\"Date18\" < ?) "
                              "OR (h.\"Date23\" >= ? AND h.\"Date23\" < ?)) "
                              "AND (hf.\"Name17\" = ? OR hf.\"Name22\" = ?) "
                              "AND coalesce(substr(h.\"Remarks\", 1, %3), '') <> ?")
                   .arg(SqlDialect::quoted(Schema::foldTableOf(QStringLiteral("Header"))->name),
                        SqlDialect::quoted(Schema::foldTableOf(QStringLiteral("Detail"))->name))
                   .arg(correctionOpening().size()),
               {SearchText::fold(QStringLiteral("NEW")), SearchText::fold(QStringLiteral("PROTOTYPE")),
                SearchText::fold(QStringLiteral("REPAIRED")), first, pastLast, first, pastLast, who, who,
                correctionOpening()});
    if (!s.ok())
        return s;
    if (!q.next())
        return DbStatus::failure(DbCondition::Other, q.lastError().text());
    out = {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()};
    return {};
}

} // namespace arc
