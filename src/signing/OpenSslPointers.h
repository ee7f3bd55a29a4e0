#pragma once

#include <openssl/bio.h>
#include <openssl/cms.h>
#include <openssl/evp.h>
#include <openssl/pkcs12.h>
#include <openssl/x509.h>

#include <QByteArray>
#include <memory>

namespace arc {

// Owning pointers for OpenSSL objects, each freed by its own function.
template <auto Free> struct OpenSslFree {
    template <typename T> void operator()(T *p) const { Free(p); }
};
using PKeyPtr = std::unique_ptr<EVP_PKEY, OpenSslFree<EVP_PKEY_free>>;
using X509Ptr = std::unique_ptr<X509, OpenSslFree<X509_free>>;
using BioPtr = std::unique_ptr<BIO, OpenSslFree<BIO_free_all>>;
using CmsPtr = std::unique_ptr<CMS_ContentInfo, OpenSslFree<CMS_ContentInfo_free>>;
using Pkcs12Ptr = std::unique_ptr<PKCS12, OpenSslFree<PKCS12_free>>;
using X509ExtensionPtr = std::unique_ptr<X509_EXTENSION, OpenSslFree<X509_EXTENSION_free>>;

inline void freeCertificates(STACK_OF(X509) * s) { sk_X509_pop_free(s, X509_free); }
using X509StackPtr = std::unique_ptr<STACK_OF(X509), OpenSslFree<freeCertificates>>;
// A stack that only lends the certificates it holds.
inline void freeStackOnly(STACK_OF(X509) * s) { sk_X509_free(s); }
using X509ListPtr = std::unique_ptr<STACK_OF(X509), OpenSslFree<freeStackOnly>>;

// A read-only memory BIO over bytes that outlive it.
inline BioPtr readBio(const QByteArray &bytes) { return BioPtr(BIO_new_mem_buf(bytes.constData(), int(bytes.size()))); }

// Everything written to a memory BIO.
inline QByteArray bioBytes(BIO *bio)
{
    char *data = nullptr;
    const long n = BIO_get_mem_data(bio, &data);
    return n > 0 ? QByteArray(data, n) : QByteArray();
}

} // namespace arc
