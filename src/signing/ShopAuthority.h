#pragma once

#include "CertificateBuilder.h"

#include <QByteArray>

namespace arc {

// What is kept of the shop's authority: its key encrypted under the
// administrator's passphrase, which is kept nowhere, and its certificate.
struct StoredAuthority {
    QByteArray encryptedKey; // PKCS#8 PEM
    QByteArray certificate;  // PEM, what customers are given to trust
};

// The shop's own certification authority, which issues its signatories'
// certificates. Open only while the administrator's passphrase is at hand.
class ShopAuthority {
public:
    static const QString &defaultName();

    static SigningResult<ShopAuthority> create(const QString &name, const QString &passphrase,
                                               const Validity &validity = Validity::years(20));
    static SigningResult<ShopAuthority> open(const StoredAuthority &stored, const QString &passphrase);

    const StoredAuthority &stored() const { return m_stored; }
    X509 *certificate() const { return m_certificate.get(); }

    static constexpr int maxSignatoryYears = 3;
    // A certificate for `subjectKey` under this authority, valid for at
    // most maxSignatoryYears whatever `validity` asks.
    SigningResult<X509Ptr> issue(const CertificateSubject &subject, EVP_PKEY *subjectKey,
                                 const Validity &validity) const;

    // Signs a revocation list of this authority (SHA-256).
    bool sign(X509_CRL *list) const;

private:
    ShopAuthority(PKeyPtr key, X509Ptr certificate, StoredAuthority stored);

    PKeyPtr m_key;
    X509Ptr m_certificate;
    StoredAuthority m_stored;
};

} // namespace arc
