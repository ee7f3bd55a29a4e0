#include "SignerCertificate.h"

#include "DeclaredSignature.h"

#include <openssl/err.h>

namespace arc {

X509Ptr signerOf(CMS_ContentInfo *cms)
{
    STACK_OF(CMS_SignerInfo) *infos = CMS_get0_SignerInfos(cms);
    X509StackPtr certificates(CMS_get1_certs(cms));
    if (!infos || sk_CMS_SignerInfo_num(infos) != 1 || !certificates)
        return {};
    CMS_SignerInfo *info = sk_CMS_SignerInfo_value(infos, 0);
    for (int i = 0; i < sk_X509_num(certificates.get()); ++i) {
        X509 *c = sk_X509_value(certificates.get(), i);
        if (CMS_SignerInfo_cert_cmp(info, c) == 0) {
            X509_up_ref(c);
            return X509Ptr(c);
        }
    }
    return {};
}

X509Ptr signerCertificateOf(const QByteArray &pdf)
{
    const DeclaredSignature declared = DeclaredSignature::of(pdf);
    if (declared.state != DeclaredSignature::State::Found)
        return {};
    const auto *p = reinterpret_cast<const unsigned char *>(declared.der.constData());
    CmsPtr cms(d2i_CMS_ContentInfo(nullptr, &p, long(declared.der.size())));
    X509Ptr signer = cms ? signerOf(cms.get()) : X509Ptr();
    if (!signer)
        ERR_clear_error();
    return signer;
}

} // namespace arc
