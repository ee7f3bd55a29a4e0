#include "SignedAttributes.h"

#include "OpenSslPointers.h"

#include <openssl/pkcs7.h>
#include <openssl/x509.h>

namespace arc {

namespace {

// A stack that only lends the attributes it holds.
inline void freeAttributeStackOnly(STACK_OF(X509_ATTRIBUTE) * s) { sk_X509_ATTRIBUTE_free(s); }
using AttributeListPtr = std::unique_ptr<STACK_OF(X509_ATTRIBUTE), OpenSslFree<freeAttributeStackOnly>>;
inline void freeBytes(unsigned char *p) { OPENSSL_free(p); }
using MdCtxPtr = std::unique_ptr<EVP_MD_CTX, OpenSslFree<EVP_MD_CTX_free>>;

} // namespace

bool SignedAttributes::dropSigningTime(CMS_SignerInfo *signer, EVP_PKEY *key, const EVP_MD *digest)
{
    for (int at; (at = CMS_signed_get_attr_by_NID(signer, NID_pkcs9_signingTime, -1)) >= 0;)
        X509_ATTRIBUTE_free(CMS_signed_delete_attr(signer, at));

    // What is signed is the attributes' DER encoding as a SET OF, sorted as
    // DER asks; OpenSSL's own item for signed attributes does the encoding.
    AttributeListPtr attributes(sk_X509_ATTRIBUTE_new_null());
    if (!attributes)
        return false;
    for (int i = 0; i < CMS_signed_get_attr_count(signer); ++i)
        if (sk_X509_ATTRIBUTE_push(attributes.get(), CMS_signed_get_attr(signer, i)) <= 0)
            return false;
    unsigned char *der = nullptr;
    const int length = ASN1_item_i2d(reinterpret_cast<ASN1_VALUE *>(attributes.get()), &der,
                                     ASN1_ITEM_rptr(PKCS7_ATTR_SIGN));
    const std::unique_ptr<unsigned char, OpenSslFree<freeBytes>> encoded(der);
    if (length <= 0)
        return false;

    MdCtxPtr ctx(EVP_MD_CTX_new());
    size_t size = 0;
    if (!ctx || EVP_DigestSignInit(ctx.get(), nullptr, digest, nullptr, key) != 1
        || EVP_DigestSign(ctx.get(), nullptr, &size, der, size_t(length)) != 1)
        return false;
    unsigned char *signature = static_cast<unsigned char *>(OPENSSL_malloc(size));
    if (!signature || EVP_DigestSign(ctx.get(), signature, &size, der, size_t(length)) != 1) {
        OPENSSL_free(signature);
        return false;
    }
    ASN1_STRING_set0(CMS_SignerInfo_get0_signature(signer), signature, int(size));
    return true;
}

} // namespace arc
