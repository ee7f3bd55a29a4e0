#include "OpenSslHandles.h"

#include <openssl/bio.h>
#include <openssl/cms.h>
#include <openssl/evp.h>
#include <openssl/pkcs12.h>
#include <openssl/x509.h>

namespace arc {

void PKeyFree::operator()(EVP_PKEY *p) const { EVP_PKEY_free(p); }
void X509Free::operator()(X509 *p) const { X509_free(p); }
void BioFree::operator()(BIO *p) const { BIO_free_all(p); }
void CmsFree::operator()(CMS_ContentInfo *p) const { CMS_ContentInfo_free(p); }
void Pkcs12Free::operator()(PKCS12 *p) const { PKCS12_free(p); }
void X509ExtensionFree::operator()(X509_EXTENSION *p) const { X509_EXTENSION_free(p); }
void X509StackFree::operator()(stack_st_X509 *p) const { sk_X509_pop_free(p, X509_free); }
void X509ListFree::operator()(stack_st_X509 *p) const { sk_X509_free(p); }

} // namespace arc
