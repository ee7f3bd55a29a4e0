#include "ActivityCounts.h"

#include "Database.h"
#include "FoldedCopies.h"
#include "ReaderRoute.h"
#include "SearchText.h"
#include "SqlDialectActivity.h"

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
    // Read from the tally the fold tables' triggers keep: a certificate's
    // lines counted once under each of its signatories and signature days,
    // corrections left out (their lines were counted with the certificate
    // they correct). A date is on a day whatever a time stored with it.
    QSqlQuery q;
    const DbStatus s = db.run(q, SqlDialect::activityCountQuery(),
                              {SearchText::fold(name), from.toString(Qt::ISODate), to.addDays(1).toString(Qt::ISODate)});
    if (!s.ok())
        return s;
    if (!q.next())
        return DbStatus::failure(DbCondition::Other, q.lastError().text());
    out = {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()};
    return {};
}

} // namespace arc
