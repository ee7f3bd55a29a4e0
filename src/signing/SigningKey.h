#pragma once

#include "CertificateBuilder.h"

#include <QByteArray>
#include <memory>
#include <vector>

namespace arc {

class ShopAuthority;

// What is kept of a signatory's key: the private key only encrypted under
// the signatory's password; the certificates in clear, the signatory's
// first, then those of its issuers.
struct StoredSigningKey {
    QByteArray encryptedKey; // PKCS#8 PEM
    QByteArray certificates; // PEM
};

// A signatory's private key and certificate chain, opened with the
// signatory's password and held only in memory.
class SigningKey {
public:
    // A new ECDSA P-256 key with a certificate from the shop's authority.
    static SigningResult<StoredSigningKey> make(const ShopAuthority &authority, const CertificateSubject &subject,
                                                const QString &password,
                                                const Validity &validity = Validity::years(3));
    // A key and certificate from another authority's PKCS#12 file, kept
    // under `password`. Refused when the certificate is not valid now, is
    // made out to another than `signatory` or may not sign (KeyPolicy).
    static SigningResult<StoredSigningKey> import(const QByteArray &pkcs12, const QString &filePassword,
                                                  const QString &password, const CertificateSubject &signatory);
    // Refused, as Unsuitable, for a kept key of a kind that may not sign.
    static SigningResult<SigningKey> open(const StoredSigningKey &stored, const QString &password);
    // A key that stays on a token and signs there, with its certificate
    // chain; `token` keeps the token's module loaded while the key lives.
    static SigningResult<SigningKey> onToken(PKeyPtr key, std::vector<X509Ptr> chain, std::shared_ptr<void> token);

    // The same key kept under another password (the signatory changed it).
    SigningResult<StoredSigningKey> stored(const QString &password) const;

    EVP_PKEY *key() const { return m_key.get(); }
    X509 *certificate() const { return m_chain.front().get(); }
    // The signatory's certificate, then its issuers'.
    const std::vector<X509Ptr> &chain() const { return m_chain; }

private:
    SigningKey(PKeyPtr key, std::vector<X509Ptr> chain);
    static SigningResult<StoredSigningKey> keep(EVP_PKEY *key, const std::vector<X509 *> &chain,
                                                const QString &password);

    std::shared_ptr<void> m_token; // declared first: outlives the key that works on it
    PKeyPtr m_key;
    std::vector<X509Ptr> m_chain;
};

} // namespace arc
