#pragma once

// OpenSSL's types declared only, and owning pointers to them freed out of
// line: a header that passes keys and certificates around needs no OpenSSL
// header, and neither do the many units that include it. Units that work
// with OpenSSL include OpenSslPointers.h.

#include <openssl/types.h>

#include <memory>

typedef struct CMS_ContentInfo_st CMS_ContentInfo;
typedef struct PKCS12_st PKCS12;
typedef struct X509_extension_st X509_EXTENSION;
struct stack_st_X509;

namespace arc {

struct PKeyFree { void operator()(EVP_PKEY *p) const; };
struct X509Free { void operator()(X509 *p) const; };
struct BioFree { void operator()(BIO *p) const; };
struct CmsFree { void operator()(CMS_ContentInfo *p) const; };
struct Pkcs12Free { void operator()(PKCS12 *p) const; };
struct X509ExtensionFree { void operator()(X509_EXTENSION *p) const; };
// A stack and the certificates it holds.
struct X509StackFree { void operator()(stack_st_X509 *p) const; };
// A stack that only lends the certificates it holds.
struct X509ListFree { void operator()(stack_st_X509 *p) const; };

using PKeyPtr = std::unique_ptr<EVP_PKEY, PKeyFree>;
using X509Ptr = std::unique_ptr<X509, X509Free>;
using BioPtr = std::unique_ptr<BIO, BioFree>;
using CmsPtr = std::unique_ptr<CMS_ContentInfo, CmsFree>;
using Pkcs12Ptr = std::unique_ptr<PKCS12, Pkcs12Free>;
using X509ExtensionPtr = std::unique_ptr<X509_EXTENSION, X509ExtensionFree>;
using X509StackPtr = std::unique_ptr<stack_st_X509, X509StackFree>;
using X509ListPtr = std::unique_ptr<stack_st_X509, X509ListFree>;

} // namespace arc
