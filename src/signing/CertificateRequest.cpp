#include "CertificateRequest.h"

#include "KeyPolicy.h"
#include "OpenSslPointers.h"

#include <openssl/err.h>
#include <openssl/pem.h>

#include <QCoreApplication>

namespace arc::CertificateRequest {

namespace {

struct CertificateRequestTexts {
    Q_DECLARE_TR_FUNCTIONS(CertificateRequest)
};

using RequestPtr = std::unique_ptr<X509_REQ, OpenSslFree<X509_REQ_free>>;

bool addEntry(X509_NAME *name, int nid, const QString &value)
{
    const QByteArray utf8 = value.trimmed().toUtf8();
    return utf8.isEmpty()
        || X509_NAME_add_entry_by_NID(name, nid, MBSTRING_UTF8, reinterpret_cast<const unsigned char *>(utf8.constData()),
                                      int(utf8.size()), -1, 0)
        == 1;
}

SigningError damaged()
{
    ERR_clear_error();
    return {SigningFault::Damaged, CertificateRequestTexts::tr("The certificate request is damaged: it is no PKCS#10 request whose "
                                                               "signature checks.")};
}

} // namespace

SigningResult<QByteArray> make(EVP_PKEY *key, const CertificateSubject &subject)
{
    RequestPtr request(X509_REQ_new());
    if (!request || X509_REQ_set_version(request.get(), X509_REQ_VERSION_1) != 1
        || !addEntry(X509_REQ_get_subject_name(request.get()), NID_commonName, subject.name)
        || !addEntry(X509_REQ_get_subject_name(request.get()), NID_serialNumber, subject.approvalNumber)
        || X509_REQ_set_pubkey(request.get(), key) != 1)
        return openSslFailure(CertificateRequestTexts::tr("The certificate request could not be made."));
    if (X509_REQ_sign(request.get(), key, EVP_sha256()) <= 0)
        return openSslFailure(CertificateRequestTexts::tr("The key did not sign its certificate request"));
    BioPtr out(BIO_new(BIO_s_mem()));
    if (!out || PEM_write_bio_X509_REQ(out.get(), request.get()) != 1)
        return openSslFailure(CertificateRequestTexts::tr("The certificate request could not be written."));
    return bioBytes(out.get());
}

SigningResult<PKeyPtr> publicKey(const QByteArray &pem)
{
    if (pem.isEmpty() || pem.size() > maxBytes)
        return damaged();
    BioPtr in = readBio(pem);
    RequestPtr request(PEM_read_bio_X509_REQ(in.get(), nullptr, nullptr, nullptr));
    if (!request)
        return damaged();
    PKeyPtr key(X509_REQ_get_pubkey(request.get()));
    if (!key || X509_REQ_verify(request.get(), key.get()) != 1)
        return damaged();
    if (auto unfit = KeyPolicy::unsuitableKind(key.get()))
        return *unfit;
    return key;
}

} // namespace arc::CertificateRequest
