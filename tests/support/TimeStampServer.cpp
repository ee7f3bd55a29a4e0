#include "TimeStampServer.h"

#include "CertificateBuilder.h"
#include "KeyFiles.h"
#include "OpenSslPointers.h"

#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>
#include <openssl/ts.h>
#include <openssl/x509v3.h>

struct TimeStampServer::Keys {
    arc::PKeyPtr authorityKey, key;
    arc::X509Ptr authority, certificate;
};

namespace {

using RespCtxPtr = std::unique_ptr<TS_RESP_CTX, arc::OpenSslFree<TS_RESP_CTX_free>>;
using RespPtr = std::unique_ptr<TS_RESP, arc::OpenSslFree<TS_RESP_free>>;
using ReqPtr = std::unique_ptr<TS_REQ, arc::OpenSslFree<TS_REQ_free>>;
using ObjectPtr = std::unique_ptr<ASN1_OBJECT, arc::OpenSslFree<ASN1_OBJECT_free>>;
using IntegerPtr = std::unique_ptr<ASN1_INTEGER, arc::OpenSslFree<ASN1_INTEGER_free>>;
inline void freeBytes(unsigned char *p) { OPENSSL_free(p); }
using BytesPtr = std::unique_ptr<unsigned char, arc::OpenSslFree<freeBytes>>;

void addExtension(X509 *c, X509 *issuer, int nid, const char *value)
{
    X509V3_CTX v3;
    X509V3_set_ctx(&v3, issuer, c, nullptr, nullptr, 0);
    arc::X509ExtensionPtr ext(X509V3_EXT_conf_nid(nullptr, &v3, nid, value));
    X509_add_ext(c, ext.get(), -1);
}

// The service's certificate: time stamping its only use, as RFC 3161 asks.
arc::X509Ptr serviceCertificate(EVP_PKEY *key, X509 *issuer, EVP_PKEY *issuerKey)
{
    arc::X509Ptr c(X509_new());
    X509_set_version(c.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(c.get()), 4711);
    X509_gmtime_adj(X509_getm_notBefore(c.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(c.get()), 86400);
    X509_NAME_add_entry_by_txt(X509_get_subject_name(c.get()), "CN", MBSTRING_UTF8,
                               reinterpret_cast<const unsigned char *>(TimeStampServer::serviceName().toUtf8().constData()),
                               -1, -1, 0);
    X509_set_issuer_name(c.get(), X509_get_subject_name(issuer));
    X509_set_pubkey(c.get(), key);
    addExtension(c.get(), issuer, NID_basic_constraints, "critical,CA:FALSE");
    addExtension(c.get(), issuer, NID_key_usage, "critical,digitalSignature");
    addExtension(c.get(), issuer, NID_ext_key_usage, "critical,timeStamping");
    addExtension(c.get(), issuer, NID_subject_key_identifier, "hash");
    X509_sign(c.get(), issuerKey, EVP_sha256());
    return c;
}

QByteArray derOf(const TS_REQ *req)
{
    unsigned char *out = nullptr;
    const int n = i2d_TS_REQ(req, &out);
    const BytesPtr owned(out);
    return n > 0 ? QByteArray(reinterpret_cast<const char *>(out), n) : QByteArray();
}

} // namespace

TimeStampServer::TimeStampServer() : m_keys(std::make_unique<Keys>())
{
    m_keys->authorityKey = std::move(arc::CertificateBuilder::newKey().value());
    m_keys->authority = std::move(
        arc::CertificateBuilder::authority({"ARC test time-stamp root", {}}, m_keys->authorityKey.get(),
                                           arc::Validity::years(1))
            .value());
    m_keys->key = std::move(arc::CertificateBuilder::newKey().value());
    m_keys->certificate = serviceCertificate(m_keys->key.get(), m_keys->authority.get(), m_keys->authorityKey.get());
    m_port = listen(QHostAddress::LocalHost, 0);
}

TimeStampServer::~TimeStampServer() = default;

QString TimeStampServer::url() const { return QStringLiteral("http://127.0.0.1:%1/tsa").arg(m_port); }

QByteArray TimeStampServer::authorityPem() const { return arc::KeyFiles::certificatesPem({m_keys->authority.get()}); }
QByteArray TimeStampServer::servicePem() const { return arc::KeyFiles::certificatesPem({m_keys->certificate.get()}); }

QByteArray TimeStampServer::stamped(QByteArray query) const
{
    if (m_mode == Mode::WrongImprint || m_mode == Mode::WrongNonce) {
        const auto *p = reinterpret_cast<const unsigned char *>(query.constData());
        ReqPtr req(d2i_TS_REQ(nullptr, &p, long(query.size())));
        if (!req)
            return {};
        if (m_mode == Mode::WrongImprint) {
            ASN1_OCTET_STRING *digest = TS_MSG_IMPRINT_get_msg(TS_REQ_get_msg_imprint(req.get()));
            QByteArray other(reinterpret_cast<const char *>(ASN1_STRING_get0_data(digest)), ASN1_STRING_length(digest));
            other[0] = char(other[0] ^ 1);
            ASN1_OCTET_STRING_set(digest, reinterpret_cast<const unsigned char *>(other.constData()), int(other.size()));
        } else {
            IntegerPtr nonce(ASN1_INTEGER_new());
            ASN1_INTEGER_set(nonce.get(), 12345);
            TS_REQ_set_nonce(req.get(), nonce.get());
        }
        query = derOf(req.get());
    }
    RespCtxPtr ctx(TS_RESP_CTX_new());
    ObjectPtr policy(OBJ_txt2obj("1.3.6.1.4.1.4146.2.3", 1));
    TS_RESP_CTX_set_signer_cert(ctx.get(), m_keys->certificate.get());
    TS_RESP_CTX_set_signer_key(ctx.get(), m_keys->key.get());
    TS_RESP_CTX_set_def_policy(ctx.get(), policy.get());
    TS_RESP_CTX_add_md(ctx.get(), EVP_sha256());
    TS_RESP_CTX_set_signer_digest(ctx.get(), EVP_sha256());
    TS_RESP_CTX_set_ess_cert_id_digest(ctx.get(), EVP_sha256());
    arc::BioPtr in = arc::readBio(query);
    RespPtr resp(TS_RESP_create_response(ctx.get(), in.get()));
    unsigned char *out = nullptr;
    const int n = resp ? i2d_TS_RESP(resp.get(), &out) : 0;
    const BytesPtr owned(out);
    return n > 0 ? QByteArray(reinterpret_cast<const char *>(out), n) : QByteArray();
}

bool TimeStampServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    ++m_queries;
    switch (m_mode) {
    case Mode::Hang:
        return true;
    case Mode::Close:
        socket->abort();
        return true;
    case Mode::Html:
        makeResponder(request, socket).write("<html><body>Welcome</body></html>", "text/html");
        return true;
    case Mode::HttpError:
        makeResponder(request, socket)
            .write("failed", "text/plain", QHttpServerResponder::StatusCode::InternalServerError);
        return true;
    default:
        makeResponder(request, socket).write(stamped(request.body()), "application/timestamp-reply");
        return true;
    }
}

void TimeStampServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}
