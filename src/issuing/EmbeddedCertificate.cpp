#include "EmbeddedCertificate.h"

#include "CertificateContent.h"
#include "CertificateXml.h"
#include "PdfAttachment.h"
#include "SigningKey.h"

#include <openssl/crypto.h>
#include <openssl/x509.h>

#include <QCryptographicHash>
#include <QSqlQuery>

namespace arc::EmbeddedCertificate {

namespace {

QString fingerprint(const SigningKey &key)
{
    unsigned char *der = nullptr;
    const int length = i2d_X509(key.certificate(), &der);
    if (length <= 0)
        return {};
    const QByteArray bytes(reinterpret_cast<const char *>(der), length);
    OPENSSL_free(der);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

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
                            QStringLiteral("What the certificate corrects could not be read: %1").arg(s.detail())};
    const QByteArray xml = CertificateXml::of(content, {signatory, fingerprint(key), corrects});
    if (xml.isEmpty())
        return SigningError{SigningFault::Failed, QStringLiteral("The certificate's data could not be written: a box holds a control character.")};
    return PdfAttachment::embed(pdf, CertificateXml::kFileName, "text/xml", xml);
}

} // namespace arc::EmbeddedCertificate
