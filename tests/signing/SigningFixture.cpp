#include "SigningFixture.h"
#include "OpenSslPointers.h"
#include "ProgramRun.h"
#include "KeyFiles.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <openssl/pkcs12.h>
#include <openssl/x509v3.h>

using namespace arc;

namespace signing {

const ShopAuthority &authority()
{
    static const ShopAuthority made = std::move(ShopAuthority::create({}, kPassphrase).value());
    return made;
}

StoredSigningKey madeKey(const QString &password, const Validity &validity)
{
    SigningResult<StoredSigningKey> key =
        SigningKey::make(authority(), {QStringLiteral("J. Smith"), QStringLiteral("ARC-1234")}, password, validity);
    EXPECT_TRUE(key.ok()) << key.error().message.toStdString();
    return key.ok() ? key.value() : StoredSigningKey();
}

QByteArray pkcs12Of(const StoredSigningKey &stored, const QString &password, const QString &filePassword)
{
    SigningResult<SigningKey> key = SigningKey::open(stored, password);
    if (!key.ok())
        return {};
    X509ListPtr issuers(sk_X509_new_null());
    for (size_t i = 1; i < key->chain().size(); ++i)
        sk_X509_push(issuers.get(), key->chain()[i].get());
    const QByteArray pass = filePassword.toUtf8();
    Pkcs12Ptr p12(PKCS12_create(pass.constData(), "signatory", key->key(), key->certificate(), issuers.get(), 0, 0,
                                0, 0, 0));
    BioPtr out(BIO_new(BIO_s_mem()));
    return p12 && i2d_PKCS12_bio(out.get(), p12.get()) == 1 ? bioBytes(out.get()) : QByteArray();
}

namespace {

PKeyPtr keyOfKind(const QByteArray &kind)
{
    if (kind.startsWith("P-"))
        return PKeyPtr(EVP_EC_gen(kind.constData()));
    if (kind.startsWith("RSA-"))
        return PKeyPtr(EVP_RSA_gen(kind.mid(4).toUInt()));
    if (kind == "Ed25519")
        return PKeyPtr(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"));
    // DSA: parameters first, then the key; 1024 bits keeps the test quick.
    std::unique_ptr<EVP_PKEY_CTX, OpenSslFree<EVP_PKEY_CTX_free>> pctx(EVP_PKEY_CTX_new_from_name(nullptr, "DSA", nullptr));
    EVP_PKEY *params = nullptr;
    if (!pctx || EVP_PKEY_paramgen_init(pctx.get()) != 1 || EVP_PKEY_CTX_set_dsa_paramgen_bits(pctx.get(), 1024) != 1
        || EVP_PKEY_paramgen(pctx.get(), &params) != 1)
        return {};
    PKeyPtr kept(params);
    std::unique_ptr<EVP_PKEY_CTX, OpenSslFree<EVP_PKEY_CTX_free>> kctx(EVP_PKEY_CTX_new(params, nullptr));
    EVP_PKEY *key = nullptr;
    if (!kctx || EVP_PKEY_keygen_init(kctx.get()) != 1 || EVP_PKEY_keygen(kctx.get(), &key) != 1)
        return {};
    return PKeyPtr(key);
}

struct OutsideAuthority {
    PKeyPtr key{EVP_EC_gen("P-256")};
    X509Ptr certificate = std::move(
        CertificateBuilder::authority({QStringLiteral("Outside Trust CA"), {}}, key.get(), Validity::years(3)).value());
};

const OutsideAuthority &outside()
{
    static const OutsideAuthority made;
    return made;
}

} // namespace

QByteArray foreignPkcs12(const Foreign &what, const QString &filePassword)
{
    const PKeyPtr key = keyOfKind(what.kind);
    X509Ptr c(X509_new());
    if (!key || !c)
        return {};
    const Validity validity = Validity::years(1);
    X509_NAME *name = X509_get_subject_name(c.get());
    const QByteArray cn = what.name.toUtf8(), serial = what.serialNumber.toUtf8();
    X509_NAME_add_entry_by_NID(name, NID_commonName, MBSTRING_UTF8,
                               reinterpret_cast<const unsigned char *>(cn.constData()), int(cn.size()), -1, 0);
    if (!serial.isEmpty())
        X509_NAME_add_entry_by_NID(name, NID_serialNumber, MBSTRING_UTF8,
                                   reinterpret_cast<const unsigned char *>(serial.constData()), int(serial.size()), -1, 0);
    X509_set_version(c.get(), X509_VERSION_3);
    ASN1_INTEGER_set(X509_get_serialNumber(c.get()), 7);
    ASN1_TIME_set(X509_getm_notBefore(c.get()), time_t(validity.from.toSecsSinceEpoch()));
    ASN1_TIME_set(X509_getm_notAfter(c.get()), time_t(validity.until.toSecsSinceEpoch()));
    X509_set_issuer_name(c.get(), X509_get_subject_name(outside().certificate.get()));
    X509_set_pubkey(c.get(), key.get());
    if (*what.usage) {
        X509V3_CTX ctx;
        X509V3_set_ctx_nodb(&ctx);
        X509V3_set_ctx(&ctx, outside().certificate.get(), c.get(), nullptr, nullptr, 0);
        X509ExtensionPtr ext(X509V3_EXT_conf_nid(nullptr, &ctx, NID_key_usage, what.usage));
        if (!ext || X509_add_ext(c.get(), ext.get(), -1) != 1)
            return {};
    }
    if (X509_sign(c.get(), outside().key.get(), EVP_get_digestbyname(what.digest)) == 0)
        return {};
    X509ListPtr issuers(sk_X509_new_null());
    sk_X509_push(issuers.get(), outside().certificate.get());
    const QByteArray pass = filePassword.toUtf8();
    Pkcs12Ptr p12(PKCS12_create(pass.constData(), "signatory", key.get(), c.get(), issuers.get(), 0, 0, 0, 0, 0));
    BioPtr out(BIO_new(BIO_s_mem()));
    return p12 && i2d_PKCS12_bio(out.get(), p12.get()) == 1 ? bioBytes(out.get()) : QByteArray();
}

StoredSigningKey storedAsIs(const QByteArray &pkcs12, const QString &filePassword, const QString &password)
{
    BioPtr in = readBio(pkcs12);
    Pkcs12Ptr p12(d2i_PKCS12_bio(in.get(), nullptr));
    EVP_PKEY *rawKey = nullptr;
    X509 *rawCertificate = nullptr;
    const QByteArray pass = filePassword.toUtf8();
    if (!p12 || PKCS12_parse(p12.get(), pass.constData(), &rawKey, &rawCertificate, nullptr) != 1)
        return {};
    const PKeyPtr key(rawKey);
    const X509Ptr certificate(rawCertificate);
    SigningResult<QByteArray> encrypted = KeyFiles::encryptedKey(key.get(), password);
    return encrypted.ok() ? StoredSigningKey{encrypted.value(), KeyFiles::certificatesPem({certificate.get()})}
                          : StoredSigningKey();
}

QByteArray qtPage()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("ARC 8130"));
        writer.setTitle(QStringLiteral("AUTHORIZED RELEASE CERTIFICATE"));
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        QPainter painter(&writer);
        painter.drawText(600, 600, QStringLiteral("FAA Form 8130-3"));
        painter.drawRect(600, 4000, 2400, 300);
    }
    return buffer.data();
}

namespace {

QByteArray xrefEntry(qsizetype offset) { return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n"; }

} // namespace

QByteArray pdfOf(const QList<QByteArray> &objects)
{
    QByteArray pdf = "%PDF-1.4\n";
    QByteArray xref = "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype i = 0; i < objects.size(); ++i) {
        xref += xrefEntry(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype start = pdf.size();
    return pdf + xref + "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
        + QByteArray::number(start) + "\n%%EOF\n";
}

QByteArray updated(const QByteArray &pdf, int number, const QByteArray &body)
{
    const qsizetype keyword = pdf.lastIndexOf("startxref");
    const QByteArray prev = pdf.mid(keyword + 9).trimmed().split('\n').first();
    const QByteArray trailer = pdf.mid(pdf.lastIndexOf("trailer"));
    const QByteArray size = trailer.mid(trailer.indexOf("/Size") + 6).split(' ').first();
    QByteArray out = pdf;
    const qsizetype at = out.size();
    out += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
    const qsizetype start = out.size();
    return out + "xref\n" + QByteArray::number(number) + " 1\n" + xrefEntry(at) + "trailer\n<< /Size " + size
        + " /Root 1 0 R /Prev " + prev + " >>\nstartxref\n" + QByteArray::number(start) + "\n%%EOF\n";
}

QByteArray blankPage()
{
    return pdfOf({"<< /Type /Catalog /Pages 2 0 R >>", kPages,
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R >>", kEmptyContent});
}

std::optional<QString> pdfsig(const QByteArray &pdf)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pdfsig"));
    if (program.isEmpty())
        return std::nullopt;
    QTemporaryFile file;
    EXPECT_TRUE(file.open() && file.write(pdf) == pdf.size() && file.flush());
    return ProgramRun::of(program, {file.fileName()}).said;
}

const arc::SigningKey &signingKey()
{
    static const arc::SigningKey key =
        std::move(arc::SigningKey::open(madeKey(QStringLiteral("pw")), QStringLiteral("pw")).value());
    return key;
}

} // namespace signing
