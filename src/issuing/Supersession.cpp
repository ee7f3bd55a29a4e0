#include "Supersession.h"


#include <QDateTime>
#include <QSqlQuery>

namespace arc::Supersession {

namespace {

// Each issue of a correction, latest first, so that the first issue of the
// first correction issued is read last.
QString issuedCorrections(const QString &condition)
{
    return QStringLiteral("SELECT c.\"Corrects\", l.\"FormIndex\", l.\"Tracking\", l.\"IssuedAt\" FROM \"Corrections\" c "
                          "JOIN \"IssueLog\" l ON l.\"FormIndex\" = c.\"FormIndex\" %1 "
                          "ORDER BY l.\"IssuedAt\" DESC, l.\"PdfFile\" DESC")
        .arg(condition);
}

SupersededBy fromRow(const QSqlQuery &q)
{
    SupersededBy by;
    by.formIndex = q.value(1).toLongLong();
    by.tracking = q.value(2).toString().trimmed();
    by.issuedOn = QDateTime::fromString(q.value(3).toString(), Qt::ISODate).toLocalTime().date();
    return by;
}

} // namespace

DbStatus note(Database &db, qint64 correction, qint64 corrected)
{
    return db.exec(QStringLiteral("INSERT INTO \"Corrections\" (\"FormIndex\", \"Corrects\") VALUES (?, ?)"),
                   {correction, corrected});
}

std::optional<SupersededBy> of(Database &db, qint64 formIndex, DbStatus *status)
{
    QSqlQuery q;
    const DbStatus s = db.run(q, issuedCorrections(QStringLiteral("WHERE c.\"Corrects\" = ?")), {formIndex});
    std::optional<SupersededBy> found;
    while (s.ok() && q.next())
        found = fromRow(q);
    if (status)
        *status = s;
    return s.ok() ? found : std::nullopt;
}

DbStatus all(Database &db, QHash<qint64, SupersededBy> &out)
{
    QSqlQuery q;
    const DbStatus s = db.run(q, issuedCorrections(QString()));
    while (s.ok() && q.next())
        out.insert(q.value(0).toLongLong(), fromRow(q));
    return s;
}

} // namespace arc::Supersession
