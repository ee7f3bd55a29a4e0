#include "SigningKey.h"

#include "CertificateHolder.h"
#include "KeyFiles.h"
#include "KeyPolicy.h"
#include "OpenSslPointers.h"
#include "ShopAuthority.h"

#include <openssl/err.h>
#include <openssl/provider.h>

#include <QCoreApplication>

namespace arc {

namespace {

struct SigningKeyTexts {
    Q_DECLARE_TR_FUNCTIONS(SigningKey)
};

// Many authorities still protect PKCS#12 files with algorithms OpenSSL 3
// keeps in its legacy provider: loaded for the first such file, unloaded at exit.
class LegacyAlgorithms {
public:
    static void load() { static const LegacyAlgorithms loaded; }

private:
    LegacyAlgorithms()
        : m_default(OSSL_PROVIDER_load(nullptr, "default")), m_legacy(OSSL_PROVIDER_load(nullptr, "legacy"))
    {
        ERR_clear_error();
    }
    ~LegacyAlgorithms()
    {
        if (m_legacy)
            OSSL_PROVIDER_unload(m_legacy);
        if (m_default)
            OSSL_PROVIDER_unload(m_default);
    }
    OSSL_PROVIDER *m_default;
    OSSL_PROVIDER *m_legacy;
};

bool parse(PKCS12 *p12, const QByteArray &pass, PKeyPtr &key, X509Ptr &certificate, X509StackPtr &issuers)
{
    EVP_PKEY *rawKey = nullptr;
    X509 *rawCertificate = nullptr;
    STACK_OF(X509) *rawIssuers = nullptr;
    const bool parsed = PKCS12_parse(p12, pass.constData(), &rawKey, &rawCertificate, &rawIssuers) == 1;
    key.reset(rawKey);
    certificate.reset(rawCertificate);
    issuers.reset(rawIssuers);
    return parsed;
}

} // namespace

SigningKey::SigningKey(PKeyPtr key, std::vector<X509Ptr> chain) : m_key(std::move(key)), m_chain(std::move(chain)) {}

SigningResult<SigningKey> SigningKey::onToken(PKeyPtr key, std::vector<X509Ptr> chain, std::shared_ptr<void> token)
{
    if (!key || chain.empty())
        return SigningError{SigningFault::Unsuitable, SigningKeyTexts::tr("The key on the token has no certificate.")};
    std::vector<X509 *> certificates;
    for (const X509Ptr &c : chain)
        certificates.push_back(c.get());
    if (auto why = KeyPolicy::unsuitable(key.get(), certificates))
        return *why;
    SigningKey opened(std::move(key), std::move(chain));
    opened.m_token = std::move(token);
    return opened;
}

SigningResult<StoredSigningKey> SigningKey::keep(EVP_PKEY *key, const std::vector<X509 *> &chain,
                                                 const QString &password)
{
    SigningResult<QByteArray> encrypted = KeyFiles::encryptedKey(key, password);
    if (!encrypted.ok())
        return encrypted.error();
    return StoredSigningKey{encrypted.value(), KeyFiles::certificatesPem(chain)};
}

SigningResult<StoredSigningKey> SigningKey::make(const ShopAuthority &authority, const CertificateSubject &subject,
                                                 const QString &password, const Validity &validity)
{
    if (password.isEmpty())
        return SigningError{SigningFault::EmptyPassword, SigningKeyTexts::tr("A signing key needs a password.")};
    SigningResult<PKeyPtr> key = CertificateBuilder::newKey();
    if (!key.ok())
        return key.error();
    SigningResult<X509Ptr> certificate = authority.issue(subject, key->get(), validity);
    if (!certificate.ok())
        return certificate.error();
    return keep(key->get(), {certificate->get(), authority.certificate()}, password);
}

SigningResult<StoredSigningKey> SigningKey::import(const QByteArray &pkcs12, const QString &filePassword,
                                                   const QString &password, const CertificateSubject &signatory)
{
    if (password.isEmpty())
        return SigningError{SigningFault::EmptyPassword, SigningKeyTexts::tr("A signing key needs a password.")};
    BioPtr in = readBio(pkcs12);
    Pkcs12Ptr p12(d2i_PKCS12_bio(in.get(), nullptr));
    if (!p12) {
        ERR_clear_error();
        return SigningError{SigningFault::NotPkcs12, SigningKeyTexts::tr("The file is not a PKCS#12 (.p12, .pfx) file.")};
    }
    const QByteArray pass = filePassword.toUtf8();
    if (PKCS12_mac_present(p12.get()) && PKCS12_verify_mac(p12.get(), pass.constData(), int(pass.size())) != 1) {
        ERR_clear_error();
        return SigningError{SigningFault::WrongPassword, SigningKeyTexts::tr("The file's password is wrong.")};
    }
    PKeyPtr key;
    X509Ptr certificate;
    X509StackPtr issuers;
    bool parsed = parse(p12.get(), pass, key, certificate, issuers);
    if (!parsed) {
        ERR_clear_error();
        LegacyAlgorithms::load();
        parsed = parse(p12.get(), pass, key, certificate, issuers);
    }
    if (!parsed)
        return openSslFailure(SigningKeyTexts::tr("The file could not be read."));
    if (!key || !certificate || X509_check_private_key(certificate.get(), key.get()) != 1) {
        ERR_clear_error();
        return SigningError{SigningFault::NoKeyInFile,
                            SigningKeyTexts::tr("The file holds no private key with its certificate.")};
    }
    if (X509_cmp_current_time(X509_get0_notAfter(certificate.get())) <= 0)
        return SigningError{SigningFault::Expired, SigningKeyTexts::tr("The file's certificate has expired.")};
    if (X509_cmp_current_time(X509_get0_notBefore(certificate.get())) >= 0)
        return SigningError{SigningFault::NotYetValid, SigningKeyTexts::tr("The file's certificate is not valid yet.")};
    if (auto stranger = CertificateHolder::notNaming(certificate.get(), signatory))
        return *stranger;
    std::vector<X509 *> chain{certificate.get()};
    for (int i = 0; issuers && i < sk_X509_num(issuers.get()); ++i)
        chain.push_back(sk_X509_value(issuers.get(), i));
    if (auto unfit = KeyPolicy::unsuitable(key.get(), chain))
        return *unfit;
    return keep(key.get(), chain, password);
}

SigningResult<SigningKey> SigningKey::open(const StoredSigningKey &stored, const QString &password)
{
    SigningResult<PKeyPtr> key =
        KeyFiles::openKey(stored.encryptedKey, password, SigningKeyTexts::tr("The signatory's password is wrong."));
    if (!key.ok())
        return key.error();
    std::vector<X509Ptr> chain = KeyFiles::readCertificates(stored.certificates);
    if (chain.empty() || X509_check_private_key(chain.front().get(), key->get()) != 1) {
        ERR_clear_error();
        return SigningError{SigningFault::Damaged,
                            SigningKeyTexts::tr("The signing certificate is damaged or not the key's own.")};
    }
    // One kept by an earlier version may be of a kind that cannot sign.
    std::vector<X509 *> certificates;
    for (const X509Ptr &c : chain)
        certificates.push_back(c.get());
    if (auto unfit = KeyPolicy::unsuitable(key->get(), certificates))
        return *unfit;
    return SigningKey(std::move(key.value()), std::move(chain));
}

SigningResult<StoredSigningKey> SigningKey::stored(const QString &password) const
{
    std::vector<X509 *> chain;
    for (const X509Ptr &c : m_chain)
        chain.push_back(c.get());
    return keep(m_key.get(), chain, password);
}

} // namespace arc
