#include "CertificateBuilder.h"

#include "OpenSslPointers.h"

#include <openssl/bn.h>
#include <openssl/x509v3.h>

#include <QCoreApplication>

namespace arc {

Validity Validity::years(int years)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return {now.addSecs(-600), now.addYears(years)};
}

namespace CertificateBuilder {

namespace {

struct CertificateBuilderTexts {
    Q_DECLARE_TR_FUNCTIONS(CertificateBuilder)
};

bool setTime(ASN1_TIME *field, const QDateTime &when)
{
    return ASN1_TIME_set(field, time_t(when.toSecsSinceEpoch())) != nullptr;
}

bool addEntry(X509_NAME *name, int nid, const QString &value)
{
    if (value.isEmpty())
        return true;
    const QByteArray utf8 = value.toUtf8();
    return X509_NAME_add_entry_by_NID(name, nid, MBSTRING_UTF8,
                                      reinterpret_cast<const unsigned char *>(utf8.constData()),
                                      int(utf8.size()), -1, 0) == 1;
}

bool addExtension(X509 *certificate, X509 *issuer, int nid, const char *value)
{
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, issuer, certificate, nullptr, nullptr, 0);
    X509ExtensionPtr ext(X509V3_EXT_conf_nid(nullptr, &ctx, nid, value));
    return ext && X509_add_ext(certificate, ext.get(), -1) == 1;
}

// The fields both kinds share; `issuer` is null for a self-signed one.
SigningResult<X509Ptr> build(const CertificateSubject &subject, EVP_PKEY *subjectKey, X509 *issuer,
                             const Validity &validity)
{
    if (subject.name.trimmed().isEmpty())
        return SigningError{SigningFault::Failed, CertificateBuilderTexts::tr("A certificate needs a name.")};
    X509Ptr c(X509_new());
    std::unique_ptr<BIGNUM, OpenSslFree<BN_free>> serial(BN_new());
    if (!c || !serial)
        return openSslFailure(CertificateBuilderTexts::tr("The certificate could not be made."));
    X509_NAME *name = X509_get_subject_name(c.get());
    const bool made = X509_set_version(c.get(), X509_VERSION_3) == 1
        && BN_rand(serial.get(), 127, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) == 1
        && BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(c.get())) != nullptr
        && setTime(X509_getm_notBefore(c.get()), validity.from) && setTime(X509_getm_notAfter(c.get()), validity.until)
        && addEntry(name, NID_commonName, subject.name.trimmed())
        && addEntry(name, NID_serialNumber, subject.approvalNumber.trimmed())
        && X509_set_issuer_name(c.get(), issuer ? X509_get_subject_name(issuer) : name) == 1
        && X509_set_pubkey(c.get(), subjectKey) == 1;
    if (!made)
        return openSslFailure(CertificateBuilderTexts::tr("The certificate could not be made."));
    return c;
}

} // namespace

SigningResult<PKeyPtr> newKey()
{
    PKeyPtr key(EVP_EC_gen("P-256"));
    if (!key)
        return openSslFailure(CertificateBuilderTexts::tr("No key pair could be made."));
    return key;
}

SigningResult<X509Ptr> authority(const CertificateSubject &subject, EVP_PKEY *key, const Validity &validity)
{
    SigningResult<X509Ptr> c = build(subject, key, nullptr, validity);
    if (!c.ok())
        return c;
    X509 *x = c->get();
    if (!addExtension(x, x, NID_basic_constraints, "critical,CA:TRUE")
        || !addExtension(x, x, NID_key_usage, "critical,keyCertSign,cRLSign")
        || !addExtension(x, x, NID_subject_key_identifier, "hash") || X509_sign(x, key, EVP_sha256()) == 0)
        return openSslFailure(CertificateBuilderTexts::tr("The authority's certificate could not be signed."));
    return c;
}

SigningResult<X509Ptr> signatory(const CertificateSubject &subject, EVP_PKEY *subjectKey, X509 *issuer,
                                 EVP_PKEY *issuerKey, const Validity &validity)
{
    SigningResult<X509Ptr> c = build(subject, subjectKey, issuer, validity);
    if (!c.ok())
        return c;
    X509 *x = c->get();
    if (!addExtension(x, issuer, NID_basic_constraints, "critical,CA:FALSE")
        || !addExtension(x, issuer, NID_key_usage, "critical,digitalSignature,nonRepudiation")
        || !addExtension(x, issuer, NID_subject_key_identifier, "hash")
        || !addExtension(x, issuer, NID_authority_key_identifier, "keyid:always")
        || X509_sign(x, issuerKey, EVP_sha256()) == 0)
        return openSslFailure(CertificateBuilderTexts::tr("The signatory's certificate could not be signed."));
    return c;
}

} // namespace CertificateBuilder
} // namespace arc
