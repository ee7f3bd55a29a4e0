#include "CertificateInfo.h"

#include "KeyFiles.h"
#include "OpenSslPointers.h"

#include <openssl/crypto.h>
#include <openssl/x509.h>

#include <QCoreApplication>
#include <QCryptographicHash>

namespace arc {

namespace {

struct CertificateInfoTexts {
    Q_DECLARE_TR_FUNCTIONS(CertificateInfo)
};

QString nameText(const X509_NAME *name)
{
    BioPtr out(BIO_new(BIO_s_mem()));
    X509_NAME_print_ex(out.get(), name, 0, XN_FLAG_ONELINE & ~ASN1_STRFLGS_ESC_MSB);
    return QString::fromUtf8(bioBytes(out.get()));
}

QString commonNameOf(const X509_NAME *name)
{
    const int i = X509_NAME_get_index_by_NID(name, NID_commonName, -1);
    if (i < 0)
        return {};
    unsigned char *utf8 = nullptr;
    const int n = ASN1_STRING_to_UTF8(&utf8, X509_NAME_ENTRY_get_data(X509_NAME_get_entry(name, i)));
    if (n < 0)
        return {};
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(utf8), n);
    OPENSSL_free(utf8);
    return text;
}

QString sha256Of(const X509 *certificate)
{
    unsigned char *der = nullptr;
    const int length = i2d_X509(certificate, &der);
    if (length <= 0)
        return {};
    const QByteArray bytes(reinterpret_cast<const char *>(der), length);
    OPENSSL_free(der);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QDateTime timeOf(const ASN1_TIME *t)
{
    struct tm tm = {};
    if (ASN1_TIME_to_tm(t, &tm) != 1)
        return {};
    return QDateTime(QDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday), QTime(tm.tm_hour, tm.tm_min, tm.tm_sec),
                     Qt::UTC);
}

} // namespace

CertificateInfo CertificateInfo::of(const X509 *certificate)
{
    return {nameText(X509_get_subject_name(certificate)),
            commonNameOf(X509_get_subject_name(certificate)),
            nameText(X509_get_issuer_name(certificate)),
            commonNameOf(X509_get_issuer_name(certificate)),
            timeOf(X509_get0_notBefore(certificate)),
            timeOf(X509_get0_notAfter(certificate)),
            sha256Of(certificate)};
}

CertificateInfo CertificateInfo::fromPem(const QByteArray &pem)
{
    const std::vector<X509Ptr> certificates = KeyFiles::readCertificates(pem);
    return certificates.empty() ? CertificateInfo() : of(certificates.front().get());
}

QString CertificateInfo::text() const
{
    return CertificateInfoTexts::tr("%1, issued by %2, valid from %3 to %4")
        .arg(subject, issuer, validFrom.date().toString(Qt::ISODate), validUntil.date().toString(Qt::ISODate));
}

} // namespace arc
