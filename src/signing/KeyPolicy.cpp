#include "KeyPolicy.h"

#include "OpenSslPointers.h"
#include "PdfSignature.h"
#include "SigningKey.h"

#include <openssl/ec.h>
#include <openssl/err.h>
#include <openssl/objects.h>
#include <openssl/x509v3.h>

#include <QCoreApplication>
#include <QStringList>

namespace arc::KeyPolicy {

namespace {

struct KeyPolicyTexts {
    Q_DECLARE_TR_FUNCTIONS(KeyPolicy)
};

QString allowed() { return KeyPolicyTexts::tr("only ECDSA keys on P-256 or P-384 and RSA keys of 2048 bits or more may sign"); }

SigningError refused(const QString &why) { return {SigningFault::Unsuitable, why}; }

QString curveOf(EVP_PKEY *key, int &nid)
{
    char name[80] = {};
    size_t length = 0;
    nid = NID_undef;
    if (EVP_PKEY_get_group_name(key, name, sizeof name, &length) != 1)
        return KeyPolicyTexts::tr("an unknown curve");
    nid = OBJ_txt2nid(name);
    if (nid == NID_undef)
        nid = EC_curve_nist2nid(name);
    return QString::fromLatin1(name, qsizetype(length));
}

std::optional<SigningError> unsuitableKey(EVP_PKEY *key)
{
    switch (EVP_PKEY_get_base_id(key)) {
    case EVP_PKEY_EC: {
        int nid = NID_undef;
        const QString curve = curveOf(key, nid);
        if (nid == NID_X9_62_prime256v1 || nid == NID_secp384r1)
            return std::nullopt;
        return refused(KeyPolicyTexts::tr("The key is an ECDSA key on %1: %2.").arg(curve, allowed()));
    }
    case EVP_PKEY_RSA:
        if (EVP_PKEY_get_bits(key) >= 2048)
            return std::nullopt;
        return refused(KeyPolicyTexts::tr("The key is an RSA key of %1 bits: %2.").arg(EVP_PKEY_get_bits(key)).arg(allowed()));
    case EVP_PKEY_ED25519:
        return refused(KeyPolicyTexts::tr("The key is an Ed25519 key: %1.").arg(allowed()));
    case EVP_PKEY_ED448:
        return refused(KeyPolicyTexts::tr("The key is an Ed448 key: %1.").arg(allowed()));
    default: {
        const char *type = EVP_PKEY_get0_type_name(key);
        return refused(KeyPolicyTexts::tr("The key is of the kind %1: %2.")
                           .arg(type ? QString::fromLatin1(type) : KeyPolicyTexts::tr("unknown"), allowed()));
    }
    }
}

// The usages a certificate's key usage extension names, in its words.
QString usagesOf(uint32_t bits)
{
    static const std::pair<uint32_t, const char *> names[] = {
        {KU_DIGITAL_SIGNATURE, "digitalSignature"}, {KU_NON_REPUDIATION, "nonRepudiation"},
        {KU_KEY_ENCIPHERMENT, "keyEncipherment"},   {KU_DATA_ENCIPHERMENT, "dataEncipherment"},
        {KU_KEY_AGREEMENT, "keyAgreement"},         {KU_KEY_CERT_SIGN, "keyCertSign"},
        {KU_CRL_SIGN, "cRLSign"},                   {KU_ENCIPHER_ONLY, "encipherOnly"},
        {KU_DECIPHER_ONLY, "decipherOnly"}};
    QStringList named;
    for (const auto &[bit, name] : names)
        if (bits & bit)
            named << QString::fromLatin1(name);
    return named.isEmpty() ? KeyPolicyTexts::tr("none") : named.join(QStringLiteral(", "));
}

std::optional<SigningError> usageRefused(X509 *certificate)
{
    if (!(X509_get_extension_flags(certificate) & EXFLAG_KUSAGE))
        return std::nullopt;
    const uint32_t usage = X509_get_key_usage(certificate);
    if (usage & (KU_DIGITAL_SIGNATURE | KU_NON_REPUDIATION))
        return std::nullopt;
    return refused(KeyPolicyTexts::tr("The certificate's key usage (%1) allows no signatures: it must include "
                                  "digitalSignature or nonRepudiation.")
                       .arg(usagesOf(usage)));
}

bool strongDigest(int nid)
{
    for (int strong : {NID_sha256, NID_sha384, NID_sha512, NID_sha512_256, NID_sha3_256, NID_sha3_384, NID_sha3_512})
        if (nid == strong)
            return true;
    return false;
}

std::optional<SigningError> digestRefused(X509 *certificate, bool own)
{
    // A root's signature over itself is trusted or not as a whole, never checked.
    if (!own && X509_self_signed(certificate, 0) == 1)
        return std::nullopt;
    int digest = NID_undef;
    const bool known = X509_get_signature_info(certificate, &digest, nullptr, nullptr, nullptr) == 1;
    ERR_clear_error();
    if (known && strongDigest(digest))
        return std::nullopt;
    const QString name = known && digest != NID_undef ? QString::fromLatin1(OBJ_nid2sn(digest))
                                                      : KeyPolicyTexts::tr("an unknown digest");
    return refused(KeyPolicyTexts::tr("%1 is signed with %2: SHA-256 or stronger is needed.")
                       .arg(own ? KeyPolicyTexts::tr("The certificate") : KeyPolicyTexts::tr("An issuer's certificate"), name));
}

} // namespace

std::optional<SigningError> unsuitable(EVP_PKEY *key, const std::vector<X509 *> &chain)
{
    if (chain.empty())
        return refused(KeyPolicyTexts::tr("The key comes without its certificate."));
    if (auto why = unsuitableKey(key))
        return why;
    if (auto why = usageRefused(chain.front()))
        return why;
    for (size_t i = 0; i < chain.size(); ++i)
        if (auto why = digestRefused(chain[i], i == 0))
            return why;
    return std::nullopt;
}

std::optional<SigningError> unsuitableKind(EVP_PKEY *key) { return unsuitableKey(key); }

std::optional<SigningError> trialFails(const SigningKey &key)
{
    static const QByteArray sample = QByteArrayLiteral("ARC 8130 trial signature");
    const SigningResult<QByteArray> signature = PdfSignature::cms(sample, key);
    if (!signature.ok())
        return SigningError{SigningFault::Unsuitable,
                            KeyPolicyTexts::tr("A trial signature failed: %1").arg(signature.error().message)};
    BioPtr der = readBio(signature.value());
    CmsPtr cms(d2i_CMS_bio(der.get(), nullptr));
    BioPtr content = readBio(sample);
    // The signer's own certificate checks the signature; whether readers
    // trust its issuer is theirs to say.
    if (!cms || CMS_verify(cms.get(), nullptr, nullptr, content.get(), nullptr,
                           CMS_DETACHED | CMS_BINARY | CMS_NO_SIGNER_CERT_VERIFY) != 1) {
        const SigningError failed = openSslFailure(KeyPolicyTexts::tr("A trial signature does not verify"));
        return SigningError{SigningFault::Unsuitable, failed.message + QLatin1Char('.')};
    }
    return std::nullopt;
}

} // namespace arc::KeyPolicy
