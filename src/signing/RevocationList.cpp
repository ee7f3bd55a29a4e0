#include "RevocationList.h"

#include "OpenSslPointers.h"
#include "ShopAuthority.h"

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <iterator>

#include <QCoreApplication>

namespace arc {

namespace {

struct RevocationListTexts {
    Q_DECLARE_TR_FUNCTIONS(RevocationList)
};

using CrlPtr = std::unique_ptr<X509_CRL, OpenSslFree<X509_CRL_free>>;
using RevokedPtr = std::unique_ptr<X509_REVOKED, OpenSslFree<X509_REVOKED_free>>;
using TimePtr = std::unique_ptr<ASN1_TIME, OpenSslFree<ASN1_TIME_free>>;
using EnumPtr = std::unique_ptr<ASN1_ENUMERATED, OpenSslFree<ASN1_ENUMERATED_free>>;

// RFC 5280's names of the reasons, by their codes (7 is not used).
const struct {
    int code;
    const char *name;
} reasons[] = {
    {CRL_REASON_UNSPECIFIED, "unspecified"},
    {CRL_REASON_KEY_COMPROMISE, "keyCompromise"},
    {CRL_REASON_CA_COMPROMISE, "cACompromise"},
    {CRL_REASON_AFFILIATION_CHANGED, "affiliationChanged"},
    {CRL_REASON_SUPERSEDED, "superseded"},
    {CRL_REASON_CESSATION_OF_OPERATION, "cessationOfOperation"},
    {CRL_REASON_CERTIFICATE_HOLD, "certificateHold"},
    {CRL_REASON_REMOVE_FROM_CRL, "removeFromCRL"},
    {CRL_REASON_PRIVILEGE_WITHDRAWN, "privilegeWithdrawn"},
    {CRL_REASON_AA_COMPROMISE, "aACompromise"},
};

SigningError damaged()
{
    ERR_clear_error();
    return {SigningFault::Damaged,
            RevocationListTexts::tr("The shop authority's revocation list is damaged or not signed by it.")};
}

// The list, only when the authority named in it signed it.
CrlPtr readChecked(const QByteArray &pem, const X509 *authority)
{
    BioPtr in = readBio(pem);
    CrlPtr crl(PEM_read_bio_X509_CRL(in.get(), nullptr, nullptr, nullptr));
    if (!crl || X509_NAME_cmp(X509_CRL_get_issuer(crl.get()), X509_get_subject_name(authority)) != 0
        || X509_CRL_verify(crl.get(), X509_get0_pubkey(authority)) != 1)
        return nullptr;
    return crl;
}

QDateTime listTimeOf(const ASN1_TIME *t)
{
    struct tm parts = {};
    if (!t || ASN1_TIME_to_tm(t, &parts) != 1)
        return {};
    return QDateTime(QDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday),
                     QTime(parts.tm_hour, parts.tm_min, parts.tm_sec), Qt::UTC);
}

SigningResult<QByteArray> signedPem(const ShopAuthority &authority, X509_CRL *crl, const QDateTime &when)
{
    TimePtr now(ASN1_TIME_set(nullptr, time_t(when.toSecsSinceEpoch())));
    BioPtr out(BIO_new(BIO_s_mem()));
    if (!now || X509_CRL_set_version(crl, 1) != 1
        || X509_CRL_set_issuer_name(crl, X509_get_subject_name(authority.certificate())) != 1
        || X509_CRL_set1_lastUpdate(crl, now.get()) != 1 || X509_CRL_sort(crl) != 1 || !authority.sign(crl) || !out
        || PEM_write_bio_X509_CRL(out.get(), crl) != 1)
        return openSslFailure(RevocationListTexts::tr("The revocation list could not be signed."));
    return bioBytes(out.get());
}

} // namespace

std::optional<int> RevocationList::reasonNamed(const QString &name)
{
    for (const auto &r : reasons)
        if (name == QLatin1String(r.name))
            return r.code;
    return std::nullopt;
}

QString RevocationList::reasonName(int reason)
{
    for (const auto &r : reasons)
        if (r.code == reason)
            return QLatin1String(r.name);
    return QLatin1String(reasons[0].name);
}

SigningResult<QByteArray> RevocationList::empty(const ShopAuthority &authority)
{
    CrlPtr crl(X509_CRL_new());
    if (!crl)
        return openSslFailure(RevocationListTexts::tr("The revocation list could not be made."));
    return signedPem(authority, crl.get(), QDateTime::currentDateTimeUtc());
}

SigningResult<QByteArray> RevocationList::adding(const ShopAuthority &authority, const QByteArray &list,
                                                 const X509 *certificate, int reason, const QDateTime &when)
{
    CrlPtr crl = readChecked(list, authority.certificate());
    if (!crl)
        return damaged();
    if (X509_NAME_cmp(X509_get_issuer_name(certificate), X509_get_subject_name(authority.certificate())) != 0)
        return SigningError{SigningFault::NotTheSignatory,
                            RevocationListTexts::tr("The certificate was not issued by the shop authority.")};
    X509_REVOKED *already = nullptr;
    if (X509_CRL_get0_by_serial(crl.get(), &already, X509_get0_serialNumber(certificate)) == 1)
        return signedPem(authority, crl.get(), when);
    RevokedPtr entry(X509_REVOKED_new());
    TimePtr date(ASN1_TIME_set(nullptr, time_t(when.toSecsSinceEpoch())));
    EnumPtr code(ASN1_ENUMERATED_new());
    if (!entry || !date || !code || X509_REVOKED_set_serialNumber(entry.get(), const_cast<ASN1_INTEGER *>(
                                                                                   X509_get0_serialNumber(certificate))) != 1
        || X509_REVOKED_set_revocationDate(entry.get(), date.get()) != 1 || ASN1_ENUMERATED_set(code.get(), reason) != 1
        || X509_REVOKED_add1_ext_i2d(entry.get(), NID_crl_reason, code.get(), 0, 0) != 1
        || X509_CRL_add0_revoked(crl.get(), entry.get()) != 1)
        return openSslFailure(RevocationListTexts::tr("The certificate could not be added to the revocation list."));
    entry.release(); // the list holds it now
    return signedPem(authority, crl.get(), when);
}

SigningResult<std::optional<Revocation>> RevocationList::find(const QByteArray &list, const X509 *authority,
                                                              const X509 *certificate)
{
    CrlPtr crl = readChecked(list, authority);
    if (!crl)
        return damaged();
    X509_REVOKED *entry = nullptr;
    if (X509_NAME_cmp(X509_get_issuer_name(certificate), X509_get_subject_name(authority)) != 0
        || X509_CRL_get0_by_serial(crl.get(), &entry, X509_get0_serialNumber(certificate)) != 1)
        return std::optional<Revocation>();
    Revocation r{listTimeOf(X509_REVOKED_get0_revocationDate(entry)), CRL_REASON_UNSPECIFIED};
    EnumPtr code(static_cast<ASN1_ENUMERATED *>(X509_REVOKED_get_ext_d2i(entry, NID_crl_reason, nullptr, nullptr)));
    if (code)
        r.reason = int(ASN1_ENUMERATED_get(code.get()));
    return std::optional<Revocation>(r);
}

} // namespace arc
