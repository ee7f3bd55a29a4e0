#include "CertificateHolder.h"

#include "OpenSslPointers.h"

#include <QCoreApplication>

namespace arc::CertificateHolder {

namespace {

// The subject's entry `nid` as text; nullopt when the subject has none.
std::optional<QString> entryOf(X509 *certificate, int nid)
{
    const X509_NAME *name = X509_get_subject_name(certificate);
    const int i = X509_NAME_get_index_by_NID(name, nid, -1);
    if (i < 0)
        return std::nullopt;
    unsigned char *utf8 = nullptr;
    const int n = ASN1_STRING_to_UTF8(&utf8, X509_NAME_ENTRY_get_data(X509_NAME_get_entry(name, i)));
    if (n < 0)
        return QString();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(utf8), n);
    OPENSSL_free(utf8);
    return text;
}

// At most 80 characters of what a stranger's certificate says.
QString quoted(const QString &text)
{
    const qsizetype most = 80;
    return QStringLiteral("\"%1\"").arg(text.size() > most ? text.left(most) + QStringLiteral("...") : text);
}

} // namespace

QString comparable(const QString &text)
{
    QString out;
    for (const QChar c : text)
        if (!c.isSpace())
            out += c;
    return out.toCaseFolded();
}

std::optional<SigningError> notNaming(X509 *certificate, const CertificateSubject &signatory)
{
    const QString name = entryOf(certificate, NID_commonName).value_or(QString());
    const std::optional<QString> serial = entryOf(certificate, NID_serialNumber);
    const bool nameFits = !comparable(name).isEmpty() && comparable(name) == comparable(signatory.name);
    const bool numberFits = !serial || comparable(*serial) == comparable(signatory.approvalNumber);
    if (nameFits && numberFits)
        return std::nullopt;
    const QString approval = signatory.approvalNumber.trimmed();
    const char *context = "CertificateHolder";
    const QString holder =
        quoted(name)
        + (serial ? QCoreApplication::translate(context, " (serialNumber %1)").arg(quoted(*serial)) : QString());
    const QString wanted =
        quoted(signatory.name.trimmed())
        + (approval.isEmpty() ? QCoreApplication::translate(context, " (no approval number)")
                              : QCoreApplication::translate(context, " (approval number %1)").arg(quoted(approval)));
    return SigningError{
        SigningFault::NotTheSignatory,
        QCoreApplication::translate(context, "The certificate is made out to %1, not to the signatory %2.")
            .arg(holder, wanted)};
}

} // namespace arc::CertificateHolder
