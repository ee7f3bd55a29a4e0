#include "IssueRecorder.h"

#include "ArchiveName.h"
#include "CertificateContent.h"
#include "DataView.h"
#include "HttpTimeStampService.h"
#include "EmbeddedCertificate.h"
#include "IssueLog.h"
#include "NewFile.h"
#include "PdfSignature.h"
#include "Schema.h"
#include "SetupSettings.h"
#include "SqlDialectLocks.h"
#include "WriteTransaction.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <cstdio>

namespace arc {

QString userCopyNote(const QString &page) { return page + QStringLiteral(".user"); }

namespace {

struct IssueRecorderTexts {
    Q_DECLARE_TR_FUNCTIONS(IssueRecorder)
};

// The user chose to replace any file there, which QFile::rename will not.
bool placeOver(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

IssueResult IssueRecorder::record(const IssueRequest &request)
{
    IssueResult result;
    DbStatus s;
    const std::optional<CertificateContent> content = CertificateContent::read(m_db, request.formIndex, &s);
    if (!content) {
        result.outcome = IssueResult::Outcome::NotStored;
        result.detail = s.ok() ? IssueRecorderTexts::tr("the certificate is not stored") : s.detail();
        return result;
    }
    const auto changed = [&result] {
        result.outcome = IssueResult::Outcome::ContentChanged;
        result.detail = IssueRecorderTexts::tr("the stored certificate is not the one printed");
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
    r.passedFindings = request.passedFindings;
    // Signed before anything is kept: the archive, the log's hash and the
    // user's file all hold the signed page, or nothing is issued.
    QByteArray pdf = request.pdf;
    if (request.signingKey) {
        // The certificate's data goes inside, under the signature.
        SigningResult<QByteArray> withData =
            EmbeddedCertificate::embed(m_db, request.pdf, *content, request.signatory, *request.signingKey);
        // With a time-stamp service set for the data source, a page is
        // stamped or not issued at all.
        DataView defaults(m_db, QStringLiteral("Defaults"));
        const std::optional<QString> set = SetupSettings::timeStampService(defaults);
        if (!set) {
            result.outcome = IssueResult::Outcome::SigningFailed;
            result.detail = QCoreApplication::translate("IssueRecorder",
                                                        "Whether pages are to be time-stamped cannot be read.");
            return result;
        }
        const QString service = *set;
        const HttpTimeStampService timeStamps(service, m_timeStampWait);
        SigningResult<QByteArray> signedPdf =
            withData.ok() ? PdfSignature::sign(withData.value(), *request.signingKey, request.signatureField, "Signature",
                                               r.issuedAt, service.isEmpty() ? nullptr : &timeStamps)
                          : withData;
        if (!signedPdf.ok()) {
            result.outcome = IssueResult::Outcome::SigningFailed;
            result.detail = signedPdf.error().message;
            if (signedPdf.fault() == SigningFault::NoTimeStamp)
                result.detail += ' '
                    + QCoreApplication::translate("IssueRecorder", "To issue without time stamps, clear the "
                                                                   "time-stamp service on the set-up panel.");
            return result;
        }
        pdf = std::move(signedPdf.value());
    }
    r.pdfSha256 = QString::fromLatin1(QCryptographicHash::hash(pdf, QCryptographicHash::Sha256).toHex());
    r.contentSha256 = content->sha256();
    r.pdfFile = ArchiveName::unused(r.tracking, r.formIndex, r.issuedAt,
                                    [this](const QString &name) { return m_archive.contains(name); });

    if (!m_archive.stage(r.pdfFile, pdf, &result.detail)) {
        result.outcome = IssueResult::Outcome::ArchiveFailed;
        return result;
    }
    // Whatever happens from here on, nothing stays half-done.
    const QString userPart = request.userFile.isEmpty() ? QString() : NewFile::partOf(request.userFile);
    const auto takeBack = [&] {
        if (!userPart.isEmpty())
            QFile::remove(userPart);
        m_archive.discard(userCopyNote(r.pdfFile));
        m_archive.discard(r.pdfFile);
    };
    if (!userPart.isEmpty()) {
        // Noted first, so that a kill leaves no copy nobody knows of.
        QString why;
        if (!m_archive.stage(userCopyNote(r.pdfFile), request.userFile.toUtf8(), &result.detail)
            || !NewFile::write(userPart, pdf, &why)) {
            if (!why.isEmpty())
                result.detail = IssueRecorderTexts::tr("%1 cannot be written: %2").arg(request.userFile, why);
            takeBack();
            result.outcome = IssueResult::Outcome::CopyFailed;
            return result;
        }
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
            takeBack();
            return changed();
        }
    }
    if (s.ok())
        s = IssueLog(m_db).add(r);
    if (s.ok())
        s = tx.commit();
    if (!s.ok()) {
        takeBack();
        result.outcome = IssueResult::Outcome::LogFailed;
        result.detail = s.detail();
        return result;
    }
    // Logged: put in place. What a kill leaves undone here the next start
    // completes from the note and the row.
    QString ignored;
    if (m_archive.publish(r.pdfFile, &ignored)
        && (userPart.isEmpty() || placeOver(userPart, request.userFile)))
        m_archive.discard(userCopyNote(r.pdfFile));
    return result;
}

} // namespace arc
