#include "SignatureTrust.h"

#include "OpenSslPointers.h"

#include <openssl/err.h>
#include <openssl/x509v3.h>

#include <QCoreApplication>

namespace arc {

namespace {

struct SignatureTrustTexts {
    Q_DECLARE_TR_FUNCTIONS(SignatureTrust)
};

using StorePtr = std::unique_ptr<X509_STORE, OpenSslFree<X509_STORE_free>>;
using StoreCtxPtr = std::unique_ptr<X509_STORE_CTX, OpenSslFree<X509_STORE_CTX_free>>;

// The reasons that say the key was not misused before it was withdrawn.
bool leavesEarlierSignaturesStanding(int reason)
{
    return reason == CRL_REASON_AFFILIATION_CHANGED || reason == CRL_REASON_SUPERSEDED
        || reason == CRL_REASON_CESSATION_OF_OPERATION || reason == CRL_REASON_PRIVILEGE_WITHDRAWN;
}

QByteArray bytesOf(const ASN1_STRING *s)
{
    return s ? QByteArray(reinterpret_cast<const char *>(ASN1_STRING_get0_data(s)), ASN1_STRING_length(s)) : QByteArray();
}

// The time-stamp token among the signer's unsigned attributes; empty without one.
QByteArray tokenOf(CMS_SignerInfo *signer)
{
    const int at = CMS_unsigned_get_attr_by_NID(signer, NID_id_smime_aa_timeStampToken, -1);
    const ASN1_TYPE *value = at < 0 ? nullptr : X509_ATTRIBUTE_get0_type(CMS_unsigned_get_attr(signer, at), 0);
    if (!value || value->type != V_ASN1_SEQUENCE)
        return {};
    return bytesOf(value->value.sequence);
}

} // namespace

SigningResult<SignatureTrust> SignatureTrust::of(const QByteArray &der, const X509 *authority, const QByteArray &crlPem)
{
    SignatureTrust out;
    const auto *p = reinterpret_cast<const unsigned char *>(der.constData());
    CmsPtr cms(d2i_CMS_ContentInfo(nullptr, &p, long(der.size())));
    STACK_OF(CMS_SignerInfo) *signers = cms ? CMS_get0_SignerInfos(cms.get()) : nullptr;
    X509StackPtr certificates(cms ? CMS_get1_certs(cms.get()) : nullptr);
    if (!signers || sk_CMS_SignerInfo_num(signers) != 1 || !certificates) {
        ERR_clear_error();
        out.whyNotTrusted = SignatureTrustTexts::tr("the signature cannot be read");
        return out;
    }
    CMS_SignerInfo *signer = sk_CMS_SignerInfo_value(signers, 0);
    X509 *certificate = nullptr;
    for (int i = 0; i < sk_X509_num(certificates.get()) && !certificate; ++i)
        if (CMS_SignerInfo_cert_cmp(signer, sk_X509_value(certificates.get(), i)) == 0)
            certificate = sk_X509_value(certificates.get(), i);
    if (!certificate) {
        out.whyNotTrusted = SignatureTrustTexts::tr("the signature does not carry its signer's certificate");
        return out;
    }

    const QByteArray token = tokenOf(signer);
    if (!token.isEmpty())
        out.timeStamp = TimeStamps::read(token, bytesOf(CMS_SignerInfo_get0_signature(signer)));

    StorePtr store(X509_STORE_new());
    StoreCtxPtr ctx(X509_STORE_CTX_new());
    if (!store || !ctx || X509_STORE_add_cert(store.get(), const_cast<X509 *>(authority)) != 1
        || X509_STORE_CTX_init(ctx.get(), store.get(), certificate, certificates.get()) != 1) {
        ERR_clear_error();
        out.whyNotTrusted = SignatureTrustTexts::tr("the chain could not be checked");
        return out;
    }
    // The authority given is the anchor, whether or not it is a root.
    X509_STORE_CTX_set_flags(ctx.get(), X509_V_FLAG_PARTIAL_CHAIN);
    if (out.timeStamp.intact && out.timeStamp.time.isValid())
        X509_STORE_CTX_set_time(ctx.get(), 0, time_t(out.timeStamp.time.toSecsSinceEpoch()));
    out.trusted = X509_verify_cert(ctx.get()) == 1;
    if (!out.trusted)
        out.whyNotTrusted = QString::fromUtf8(X509_verify_cert_error_string(X509_STORE_CTX_get_error(ctx.get())));
    ERR_clear_error();

    if (!crlPem.isEmpty()) {
        const SigningResult<std::optional<Revocation>> found = RevocationList::find(crlPem, authority, certificate);
        if (!found.ok())
            return found.error();
        out.revocationChecked = true;
        out.revoked = found.value();
        out.revokedAfterSigning = out.revoked && out.timeStamp.intact && out.timeStamp.time < out.revoked->when
            && leavesEarlierSignaturesStanding(out.revoked->reason);
    }
    return out;
}

} // namespace arc
