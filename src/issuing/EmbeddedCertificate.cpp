#include "EmbeddedCertificate.h"

#include "CertificateContent.h"
#include "CertificateInfo.h"
#include "CertificateXml.h"
#include "PdfAttachment.h"
#include "SigningKey.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace arc::EmbeddedCertificate {

namespace {

struct EmbeddedCertificateTexts {
    Q_DECLARE_TR_FUNCTIONS(EmbeddedCertificate)
};

} // namespace

QString correctedNumber(Database &db, qint64 formIndex, DbStatus *status)
{
    QSqlQuery q;
    const DbStatus s = db.run(q,
                              QStringLiteral("SELECT c.\"Corrects\", h.\"Tracking\", "
                                             "(SELECT MIN(l.\"Tracking\") FROM \"IssueLog\" l "
                                             "WHERE l.\"FormIndex\" = c.\"Corrects\") "
                                             "FROM \"Corrections\" c LEFT JOIN \"Header\" h "
                                             "ON h.\"FormIndex\" = c.\"Corrects\" WHERE c.\"FormIndex\" = ?"),
                              {formIndex});
    if (status)
        *status = s;
    if (!s.ok() || !q.next())
        return {};
    const QString stored = q.value(1).toString().trimmed();
    return stored.isEmpty() ? q.value(2).toString().trimmed() : stored;
}

SigningResult<QByteArray> embed(Database &certificates, const QByteArray &pdf, const CertificateContent &content,
                                const QString &signatory, const SigningKey &key)
{
    DbStatus s;
    const QString corrects = correctedNumber(certificates, content.formIndex(), &s);
    if (!s.ok())
        return SigningError{SigningFault::Failed,
                            EmbeddedCertificateTexts::tr("What the certificate corrects could not be read: %1").arg(s.detail())};
    const QByteArray xml = CertificateXml::of(content, {signatory, CertificateInfo::of(key.certificate()).sha256, corrects});
    if (xml.isEmpty())
        return SigningError{SigningFault::Failed, EmbeddedCertificateTexts::tr("The certificate's data could not be written: "
                                                                               "a box holds a control character.")};
    return PdfAttachment::embed(pdf, CertificateXml::kFileName, "text/xml", xml);
}

} // namespace arc::EmbeddedCertificate
