#include "ActivityCounts.h"

#include "CorrectionOpening.h"
#include "Database.h"
#include "FoldedCopies.h"
#include "ReaderRoute.h"
#include "SearchText.h"
#include "SqlDialect.h"

#include <QSqlError>
#include <QSqlQuery>

namespace arc {

DbStatus ActivityCounts::count(Database &db, const QString &name, const QDate &from, const QDate &to,
                               ActivityCounts &out)
{
    const DbStatus s = FoldedCopies::bringUpToDate(db);
    return s.ok() ? tally(db, name, from, to, out) : s;
}

DbStatus ActivityCounts::count(ReaderRoute &reads, const QString &name, const QDate &from, const QDate &to,
                               ActivityCounts &out)
{
    // Folding writes: on the primary, before the reader is chosen.
    const DbStatus s = FoldedCopies::bringUpToDate(reads.primary());
    return s.ok() ? tally(reads.reader(), name, from, to, out) : s;
}

DbStatus ActivityCounts::tally(Database &db, const QString &name, const QDate &from, const QDate &to,
                               ActivityCounts &out)
{
    DbStatus s;
    // One pass for the three statuses. A correction releases nothing
    // again: its lines were counted with the certificate it corrects. A
    // date is on a day when it lies from that day up to the next, whatever
    // a time stored with it. The certificates are those with either name
    // and either date in the period: each pair of name and date read from
    // its own index of the copies, a certificate found by several counted
    // once.
    const QString first = from.toString(Qt::ISODate);
    const QString pastLast = to.addDays(1).toString(Qt::ISODate);
    const QString who = SearchText::fold(name);
    const QString headerFold = SqlDialect::quoted(Schema::foldTableOf(QStringLiteral("Header"))->name);
    QStringList pairs;
    QVariantList values{SearchText::fold(QStringLiteral("NEW")), SearchText::fold(QStringLiteral("PROTOTYPE")),
                        SearchText::fold(QStringLiteral("REPAIRED"))};
    for (const char *signatory : {"Name17", "Name22"})
        for (const char *date : {"Date18", "Date23"}) {
            pairs << QStringLiteral("SELECT \"FormIndex\" FROM %1 WHERE \"%2\" = ? AND \"%3\" >= ? AND \"%3\" < ?")
                         .arg(headerFold, QLatin1String(signatory), QLatin1String(date));
            values << who << first << pastLast;
        }
    QStringList notCorrections;
    for (const QString &opening : correctionOpenings()) {
        notCorrections << QStringLiteral("AND coalesce(substr(h.\"Remarks\", 1, %1), '') <> ? ").arg(opening.size());
        values << opening;
    }
    QSqlQuery q;
    s = db.run(q,
               QStringLiteral("SELECT count(CASE WHEN d.\"Status\" = ? THEN 1 END), "
                              "count(CASE WHEN d.\"Status\" = ? THEN 1 END), "
                              "count(CASE WHEN d.\"Status\" = ? THEN 1 END) "
                              "FROM \"Header\" h JOIN %1 d ON d.\"FormIndex\" = h.\"FormIndex\" "
                              "WHERE h.\"FormIndex\" IN (%2) %3")
                   .arg(SqlDialect::quoted(Schema::foldTableOf(QStringLiteral("Detail"))->name),
                        pairs.join(QStringLiteral(" UNION ALL ")), notCorrections.join(QString())),
               values);
    if (!s.ok())
        return s;
    if (!q.next())
        return DbStatus::failure(DbCondition::Other, q.lastError().text());
    out = {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()};
    return {};
}

} // namespace arc
