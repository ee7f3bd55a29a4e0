#include "TimeStamps.h"

#include "CertificateInfo.h"
#include "OpenSslPointers.h"
#include "TimeStampService.h"

#include <QCoreApplication>
#include <openssl/err.h>
#include <openssl/rand.h>
#include <openssl/ts.h>

namespace arc {

namespace {

using TsReqPtr = std::unique_ptr<TS_REQ, OpenSslFree<TS_REQ_free>>;
using TsRespPtr = std::unique_ptr<TS_RESP, OpenSslFree<TS_RESP_free>>;
using TsInfoPtr = std::unique_ptr<TS_TST_INFO, OpenSslFree<TS_TST_INFO_free>>;
using TsImprintPtr = std::unique_ptr<TS_MSG_IMPRINT, OpenSslFree<TS_MSG_IMPRINT_free>>;
using TsVerifyPtr = std::unique_ptr<TS_VERIFY_CTX, OpenSslFree<TS_VERIFY_CTX_free>>;
using Pkcs7Ptr = std::unique_ptr<PKCS7, OpenSslFree<PKCS7_free>>;
using AlgorPtr = std::unique_ptr<X509_ALGOR, OpenSslFree<X509_ALGOR_free>>;
using IntegerPtr = std::unique_ptr<ASN1_INTEGER, OpenSslFree<ASN1_INTEGER_free>>;
using BignumPtr = std::unique_ptr<BIGNUM, OpenSslFree<BN_free>>;
using StorePtr = std::unique_ptr<X509_STORE, OpenSslFree<X509_STORE_free>>;
inline void freeBytes(unsigned char *p) { OPENSSL_free(p); }
using BytesPtr = std::unique_ptr<unsigned char, OpenSslFree<freeBytes>>;

// An answer far larger is no time stamp.
constexpr qsizetype kMaxAnswer = 1 << 20;

struct TimeStampsTexts {
    Q_DECLARE_TR_FUNCTIONS(TimeStamps)
};

QByteArray sha256(const QByteArray &data)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(data.constData(), size_t(data.size()), digest, &length, EVP_sha256(), nullptr) != 1)
        return {};
    return QByteArray(reinterpret_cast<const char *>(digest), int(length));
}

// The query for `digest`, SHA-256, with a fresh 64-bit nonce, asking for
// the authority's certificate in the answer.
TsReqPtr queryFor(const QByteArray &digest)
{
    TsReqPtr req(TS_REQ_new());
    TsImprintPtr imprint(TS_MSG_IMPRINT_new());
    AlgorPtr algorithm(X509_ALGOR_new());
    unsigned char random[8];
    BignumPtr n;
    IntegerPtr nonce;
    if (!req || !imprint || !algorithm || RAND_bytes(random, sizeof random) != 1
        || !(n = BignumPtr(BN_bin2bn(random, sizeof random, nullptr)))
        || !(nonce = IntegerPtr(BN_to_ASN1_INTEGER(n.get(), nullptr)))
        || X509_ALGOR_set0(algorithm.get(), OBJ_nid2obj(NID_sha256), V_ASN1_NULL, nullptr) != 1
        || TS_MSG_IMPRINT_set_algo(imprint.get(), algorithm.get()) != 1
        || TS_MSG_IMPRINT_set_msg(imprint.get(), reinterpret_cast<unsigned char *>(const_cast<char *>(digest.constData())),
                                  int(digest.size()))
            != 1
        || TS_REQ_set_version(req.get(), 1) != 1 || TS_REQ_set_msg_imprint(req.get(), imprint.get()) != 1
        || TS_REQ_set_nonce(req.get(), nonce.get()) != 1 || TS_REQ_set_cert_req(req.get(), 1) != 1)
        return nullptr;
    return req;
}

QByteArray derOf(TS_REQ *req)
{
    unsigned char *der = nullptr;
    const int n = i2d_TS_REQ(req, &der);
    const BytesPtr owned(der);
    return n > 0 ? QByteArray(reinterpret_cast<const char *>(der), n) : QByteArray();
}

QByteArray derOf(PKCS7 *token)
{
    unsigned char *der = nullptr;
    const int n = i2d_PKCS7(token, &der);
    const BytesPtr owned(der);
    return n > 0 ? QByteArray(reinterpret_cast<const char *>(der), n) : QByteArray();
}

QDateTime timeOf(const ASN1_GENERALIZEDTIME *t)
{
    struct tm parts = {};
    if (!t || ASN1_TIME_to_tm(t, &parts) != 1)
        return {};
    return QDateTime(QDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday),
                     QTime(parts.tm_hour, parts.tm_min, parts.tm_sec), Qt::UTC);
}

// A store that trusts only the certificate that signed `token`, as it is
// found among those the token carries: the token's signature is checked,
// not whom the authority is; at `when` when it is valid.
StorePtr storeOfSigner(PKCS7 *token, const QDateTime &when)
{
    StorePtr store(X509_STORE_new());
    if (!store || !PKCS7_type_is_signed(token))
        return nullptr;
    X509ListPtr signers(PKCS7_get0_signers(token, nullptr, 0));
    if (!signers || sk_X509_num(signers.get()) != 1 || X509_STORE_add_cert(store.get(), sk_X509_value(signers.get(), 0)) != 1)
        return nullptr;
    X509_STORE_set_flags(store.get(), X509_V_FLAG_PARTIAL_CHAIN);
    if (when.isValid())
        X509_VERIFY_PARAM_set_time(X509_STORE_get0_param(store.get()), time_t(when.toSecsSinceEpoch()));
    return store;
}

QString authorityOf(PKCS7 *token)
{
    X509ListPtr signers(PKCS7_get0_signers(token, nullptr, 0));
    if (!signers || sk_X509_num(signers.get()) < 1)
        return {};
    const CertificateInfo info = CertificateInfo::of(sk_X509_value(signers.get(), 0));
    return info.commonName.isEmpty() ? info.subject : info.commonName;
}

QString openSslReason()
{
    char reason[256] = {};
    const unsigned long code = ERR_peek_last_error();
    if (code != 0)
        ERR_error_string_n(code, reason, sizeof reason);
    ERR_clear_error();
    return QString::fromUtf8(reason);
}

} // namespace

SigningResult<QByteArray> TimeStamps::stamp(const TimeStampService &service, const QByteArray &data)
{
    const auto refused = [&service](const QString &why) {
        ERR_clear_error();
        return SigningError{
            SigningFault::NoTimeStamp,
            TimeStampsTexts::tr("The time-stamp service %1 gave no time stamp: %2.").arg(service.name(), why)};
    };
    const QByteArray digest = sha256(data);
    TsReqPtr req = digest.isEmpty() ? nullptr : queryFor(digest);
    const QByteArray query = req ? derOf(req.get()) : QByteArray();
    if (query.isEmpty())
        return refused(TimeStampsTexts::tr("the request could not be made (%1)").arg(openSslReason()));

    const SigningResult<QByteArray> answer = service.answer(query);
    if (!answer.ok())
        return refused(answer.error().message);
    if (answer->size() > kMaxAnswer)
        return refused(TimeStampsTexts::tr("its answer is far too large for a time stamp"));
    const auto *p = reinterpret_cast<const unsigned char *>(answer->constData());
    TsRespPtr resp(d2i_TS_RESP(nullptr, &p, long(answer->size())));
    if (!resp || p != reinterpret_cast<const unsigned char *>(answer->constData()) + answer->size())
        return refused(TimeStampsTexts::tr("its answer is not a time stamp"));
    const long status = ASN1_INTEGER_get(TS_STATUS_INFO_get0_status(TS_RESP_get_status_info(resp.get())));
    if (status != 0 && status != 1)
        return refused(TimeStampsTexts::tr("it refused the request (status %1)").arg(status));
    PKCS7 *token = TS_RESP_get_token(resp.get());
    TS_TST_INFO *info = TS_RESP_get_tst_info(resp.get());
    if (!token || !info)
        return refused(TimeStampsTexts::tr("its answer holds no time stamp"));

    // Told apart first, so that the message says which.
    const ASN1_OCTET_STRING *stamped = TS_MSG_IMPRINT_get_msg(TS_TST_INFO_get_msg_imprint(info));
    if (OBJ_obj2nid(TS_MSG_IMPRINT_get_algo(TS_TST_INFO_get_msg_imprint(info))->algorithm) != NID_sha256 || !stamped
        || QByteArray(reinterpret_cast<const char *>(ASN1_STRING_get0_data(stamped)), ASN1_STRING_length(stamped)) != digest)
        return refused(TimeStampsTexts::tr("its time stamp is for other data than the signature"));
    const ASN1_INTEGER *nonce = TS_TST_INFO_get_nonce(info);
    if (!nonce || ASN1_INTEGER_cmp(nonce, TS_REQ_get_nonce(req.get())) != 0)
        return refused(TimeStampsTexts::tr("its time stamp answers another request (the nonce differs)"));

    // And checked as a whole: version, imprint, nonce and the signature by
    // the certificate the token carries.
    TsVerifyPtr verify(TS_REQ_to_TS_VERIFY_CTX(req.get(), nullptr));
    StorePtr store = storeOfSigner(token, {});
    if (!verify || !store)
        return refused(TimeStampsTexts::tr("its time stamp carries no certificate to check it with"));
    TS_VERIFY_CTX_add_flags(verify.get(), TS_VFY_SIGNATURE);
    TS_VERIFY_CTX_set_store(verify.get(), store.release());
    if (TS_RESP_verify_response(verify.get(), resp.get()) != 1)
        return refused(TimeStampsTexts::tr("its time stamp does not verify (%1)").arg(openSslReason()));
    const QByteArray der = derOf(token);
    if (der.isEmpty())
        return refused(TimeStampsTexts::tr("its time stamp cannot be kept"));
    return der;
}

TimeStampInfo TimeStamps::read(const QByteArray &token, const QByteArray &data)
{
    TimeStampInfo out;
    const auto *p = reinterpret_cast<const unsigned char *>(token.constData());
    Pkcs7Ptr p7(d2i_PKCS7(nullptr, &p, long(token.size())));
    out.present = !token.isEmpty();
    TsInfoPtr info(p7 ? PKCS7_to_TS_TST_INFO(p7.get()) : nullptr);
    if (!info) {
        ERR_clear_error();
        out.problem = TimeStampsTexts::tr("the time stamp cannot be read");
        return out;
    }
    out.time = timeOf(TS_TST_INFO_get_time(info.get()));
    out.authority = authorityOf(p7.get());
    // Checked at the time it names: the authority's certificate may have
    // expired since, which does not undo what it stamped then.
    TsVerifyPtr verify(TS_VERIFY_CTX_new());
    StorePtr store = storeOfSigner(p7.get(), out.time);
    BioPtr in(BIO_new(BIO_s_mem()));
    if (!verify || !store || !in || BIO_write(in.get(), data.constData(), int(data.size())) != int(data.size())) {
        out.problem = TimeStampsTexts::tr("the time stamp carries no certificate to check it with");
        ERR_clear_error();
        return out;
    }
    TS_VERIFY_CTX_set_flags(verify.get(), TS_VFY_VERSION | TS_VFY_SIGNATURE | TS_VFY_DATA);
    TS_VERIFY_CTX_set_store(verify.get(), store.release());
    TS_VERIFY_CTX_set_data(verify.get(), in.release());
    out.intact = TS_RESP_verify_token(verify.get(), p7.get()) == 1;
    if (!out.intact)
        out.problem =
            TimeStampsTexts::tr("the time stamp does not match the signature or its own signature does not verify (%1)")
                .arg(openSslReason());
    ERR_clear_error();
    return out;
}

} // namespace arc
