#include "ShopAuthority.h"

#include "KeyFiles.h"
#include "OpenSslPointers.h"

#include <algorithm>

#include <QCoreApplication>

namespace arc {

namespace {

struct ShopAuthorityTexts {
    Q_DECLARE_TR_FUNCTIONS(ShopAuthority)
};

} // namespace

ShopAuthority::ShopAuthority(PKeyPtr key, X509Ptr certificate, StoredAuthority stored)
    : m_key(std::move(key)), m_certificate(std::move(certificate)), m_stored(std::move(stored))
{
}

const QString &ShopAuthority::defaultName()
{
    static const QString name = QStringLiteral("ARC 8130 shop authority");
    return name;
}

SigningResult<ShopAuthority> ShopAuthority::create(const QString &name, const QString &passphrase,
                                                   const Validity &validity)
{
    if (passphrase.isEmpty())
        return SigningError{SigningFault::EmptyPassword, ShopAuthorityTexts::tr("The shop authority needs a passphrase.")};
    SigningResult<PKeyPtr> key = CertificateBuilder::newKey();
    if (!key.ok())
        return key.error();
    const QString subject = name.trimmed().isEmpty() ? defaultName() : name;
    SigningResult<X509Ptr> certificate = CertificateBuilder::authority({subject, {}}, key->get(), validity);
    if (!certificate.ok())
        return certificate.error();
    SigningResult<QByteArray> encrypted = KeyFiles::encryptedKey(key->get(), passphrase);
    if (!encrypted.ok())
        return encrypted.error();
    StoredAuthority stored{encrypted.value(), KeyFiles::certificatesPem({certificate->get()})};
    return ShopAuthority(std::move(key.value()), std::move(certificate.value()), std::move(stored));
}

SigningResult<ShopAuthority> ShopAuthority::open(const StoredAuthority &stored, const QString &passphrase)
{
    SigningResult<PKeyPtr> key = KeyFiles::openKey(stored.encryptedKey, passphrase,
                                                   ShopAuthorityTexts::tr("The shop authority's passphrase is wrong."));
    if (!key.ok())
        return key.error();
    std::vector<X509Ptr> certificates = KeyFiles::readCertificates(stored.certificate);
    if (certificates.empty() || X509_check_private_key(certificates.front().get(), key->get()) != 1)
        return SigningError{SigningFault::Damaged,
                            ShopAuthorityTexts::tr("The shop authority's certificate is damaged or not its own.")};
    return ShopAuthority(std::move(key.value()), std::move(certificates.front()), stored);
}

SigningResult<X509Ptr> ShopAuthority::issue(const CertificateSubject &subject, EVP_PKEY *subjectKey,
                                            const Validity &validity) const
{
    // A signatory's certificate is valid for at most three years, so that a
    // key that outlives its holder's work at the shop ends by itself.
    const Validity bounded{validity.from, std::min(validity.until, validity.from.addYears(maxSignatoryYears))};
    return CertificateBuilder::signatory(subject, subjectKey, m_certificate.get(), m_key.get(), bounded);
}

} // namespace arc

namespace arc {

bool ShopAuthority::sign(X509_CRL *list) const { return X509_CRL_sign(list, m_key.get(), EVP_sha256()) > 0; }

} // namespace arc
