#include "IssueLog.h"

#include "ReusedQuery.h"

#include <QSqlQuery>

namespace arc {

namespace {

const QString kColumns = QStringLiteral(
    "\"FormIndex\", \"Tracking\", \"IssuedAt\", \"Signatory\", \"Copies\", \"PdfFile\", \"PdfSha256\", \"ContentSha256\", "
    "\"Findings\"");

// The findings passed over, one a line; none is null.
QVariant findingsText(const QStringList &findings)
{
    return findings.isEmpty() ? QVariant() : QVariant(findings.join(QLatin1Char('\n')));
}

QString timeText(const QDateTime &at) { return at.toUTC().toString(Qt::ISODate); }

// Earliest first; within one second the archive names (a suffix for a
// second page) keep the order.
const QString kOldestFirst = QStringLiteral("\"IssuedAt\", \"PdfFile\"");
const QString kNewestFirst = QStringLiteral("\"IssuedAt\" DESC, \"PdfFile\" DESC");

} // namespace

DbStatus IssueLog::add(const IssueRecord &r)
{
    return m_db.exec(QStringLiteral("INSERT INTO \"IssueLog\" (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(kColumns),
                     {r.formIndex, r.tracking, timeText(r.issuedAt), r.signatory, r.copies, r.pdfFile, r.pdfSha256,
                      r.contentSha256, findingsText(r.passedFindings)});
}

std::optional<IssueRecord> IssueLog::one(const QString &condition, const QString &order, const QVariantList &binds,
                                         DbStatus *status) const
{
    ReusedQuery q;
    DbStatus s = m_db.run(
        q, QStringLiteral("SELECT %1 FROM \"IssueLog\" WHERE %2 ORDER BY %3 LIMIT 1").arg(kColumns, condition, order),
        binds);
    std::optional<IssueRecord> found;
    if (s.ok() && q->next()) {
        IssueRecord r;
        r.formIndex = q->value(0).toLongLong();
        r.tracking = q->value(1).toString();
        r.issuedAt = QDateTime::fromString(q->value(2).toString(), Qt::ISODate).toUTC();
        r.signatory = q->value(3).toString();
        r.copies = q->value(4).toInt();
        r.pdfFile = q->value(5).toString();
        r.pdfSha256 = q->value(6).toString();
        r.contentSha256 = q->value(7).toString();
        r.passedFindings = q->value(8).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        found = r;
    }
    if (status)
        *status = s;
    return found;
}

std::optional<IssueRecord> IssueLog::first(qint64 formIndex, DbStatus *status) const
{
    return one(QStringLiteral("\"FormIndex\" = ?"), kOldestFirst, {formIndex}, status);
}

std::optional<IssueRecord> IssueLog::last(qint64 formIndex, DbStatus *status) const
{
    return one(QStringLiteral("\"FormIndex\" = ?"), kNewestFirst, {formIndex}, status);
}

std::optional<IssueRecord> IssueLog::withPdfFile(const QString &name, DbStatus *status) const
{
    return one(QStringLiteral("\"PdfFile\" = ?"), kOldestFirst, {name}, status);
}

std::optional<IssueRecord> IssueLog::withPdfSha256(const QString &hex, DbStatus *status) const
{
    return one(QStringLiteral("\"PdfSha256\" = ?"), kOldestFirst, {hex.toLower()}, status);
}

int IssueLog::count(qint64 formIndex, DbStatus *status) const
{
    return m_db.scalar(QStringLiteral("SELECT count(*) FROM \"IssueLog\" WHERE \"FormIndex\" = ?"), {formIndex}, status)
        .toInt();
}

} // namespace arc
