#include "RequestRows.h"

#include "WriteTransaction.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace arc::RequestRows {

namespace {

struct RequestRowsTexts {
    Q_DECLARE_TR_FUNCTIONS(RequestRows)
};

const QString kColumns = QStringLiteral("\"Agent\", \"Name\", \"ApprovalNumber\", \"Request\", \"RequestedAt\"");

RequestRow read(const QSqlQuery &q)
{
    return {q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString().toLatin1(),
            q.value(4).toString()};
}

} // namespace

DbStatus put(Database &reference, const RequestRow &row)
{
    WriteTransaction tx(reference);
    if (!tx.ok())
        return tx.status();
    DbStatus s = reference.exec(QStringLiteral("DELETE FROM \"CertificateRequests\" WHERE \"Agent\" = ?"), {row.signatory});
    if (s.ok())
        s = reference.exec(QStringLiteral("INSERT INTO \"CertificateRequests\" (%1) VALUES (?, ?, ?, ?, ?)").arg(kColumns),
                           {row.signatory, row.name, row.approvalNumber, QString::fromLatin1(row.request),
                            row.requestedAt});
    return s.ok() ? tx.commit() : s;
}

DbStatus of(const Database &reference, qint64 signatory, RequestRow &out)
{
    QSqlQuery q;
    const DbStatus s =
        reference.run(q, QStringLiteral("SELECT %1 FROM \"CertificateRequests\" WHERE \"Agent\" = ?").arg(kColumns), {signatory});
    if (!s.ok())
        return s;
    if (!q.next())
        return DbStatus::failure(DbCondition::ItemNotFound, RequestRowsTexts::tr("no request"));
    out = read(q);
    return s;
}

DbStatus all(const Database &reference, QList<RequestRow> &out)
{
    out.clear();
    QSqlQuery q;
    const DbStatus s = reference.run(
        q, QStringLiteral("SELECT %1 FROM \"CertificateRequests\" ORDER BY \"RequestedAt\", \"Agent\"").arg(kColumns));
    while (s.ok() && q.next())
        out << read(q);
    return s;
}

DbStatus remove(Database &reference, qint64 signatory)
{
    return reference.exec(QStringLiteral("DELETE FROM \"CertificateRequests\" WHERE \"Agent\" = ?"), {signatory});
}

} // namespace arc::RequestRows
