#include "IssueRecorder.h"

#include "ArchiveName.h"
#include "CertificateContent.h"
#include "IssueLog.h"
#include "Schema.h"
#include "SqlDialect.h"
#include "WriteTransaction.h"

#include <QCryptographicHash>

namespace arc {

IssueResult IssueRecorder::record(const IssueRequest &request)
{
    IssueResult result;
    DbStatus s;
    const std::optional<CertificateContent> content = CertificateContent::read(m_db, request.formIndex, &s);
    if (!content) {
        result.outcome = IssueResult::Outcome::NotStored;
        result.detail = s.ok() ? QStringLiteral("the certificate is not stored") : s.detail();
        return result;
    }
    const auto changed = [&result] {
        result.outcome = IssueResult::Outcome::ContentChanged;
        result.detail = QStringLiteral("the stored certificate is not the one printed");
        return result;
    };
    if (!request.contentSha256.isEmpty() && content->sha256() != request.contentSha256)
        return changed();
    IssueRecord &r = result.record;
    r.formIndex = request.formIndex;
    r.tracking = content->value(QStringLiteral("Tracking")).toString();
    const QDateTime at = request.issuedAt.isValid() ? request.issuedAt : QDateTime::currentDateTimeUtc();
    r.issuedAt = QDateTime::fromSecsSinceEpoch(at.toSecsSinceEpoch(), Qt::UTC);
    r.signatory = request.signatory;
    r.copies = request.copies;
    r.pdfSha256 =
        QString::fromLatin1(QCryptographicHash::hash(request.pdf, QCryptographicHash::Sha256).toHex());
    r.contentSha256 = content->sha256();
    r.pdfFile = ArchiveName::unused(r.tracking, r.formIndex, r.issuedAt,
                                    [this](const QString &name) { return m_archive.contains(name); });

    if (!m_archive.write(r.pdfFile, request.pdf, &result.detail)) {
        result.outcome = IssueResult::Outcome::ArchiveFailed;
        return result;
    }
    WriteTransaction tx(m_db);
    s = tx.status();
    // Read again under the lock that saves wait for: the row logged is the
    // content drawn, whatever another station saved meanwhile.
    if (const QString lock = SqlDialect::lockRow(*Schema::table(QStringLiteral("Header")), m_db.engine());
        s.ok() && !lock.isEmpty())
        s = m_db.exec(lock, {request.formIndex});
    if (s.ok()) {
        const std::optional<CertificateContent> now = CertificateContent::read(m_db, request.formIndex, &s);
        if (s.ok() && (!now || now->sha256() != r.contentSha256)) {
            m_archive.remove(r.pdfFile);
            return changed();
        }
    }
    if (s.ok())
        s = IssueLog(m_db).add(r);
    if (s.ok())
        s = tx.commit();
    if (!s.ok()) {
        m_archive.remove(r.pdfFile);
        result.outcome = IssueResult::Outcome::LogFailed;
        result.detail = s.detail();
    }
    return result;
}

} // namespace arc
