#pragma once

#include "OpenSslPointers.h"
#include "SigningError.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

namespace arc {

class SigningKey;

// A token (smart card, USB key) a module offers.
struct TokenInfo {
    QString label;
    QString serial;
};

// A key on a token, as listed before the PIN is typed.
struct TokenKeyInfo {
    QByteArray id;
    QString label;
    bool hasCertificate = false;
};

// Where a signatory's key lies: the private key itself never leaves it.
struct TokenPlace {
    QString module; // the PKCS#11 module file
    QString serial; // the token's serial number
    QString label;  // the token's label, as the PIN dialog shows it
    QByteArray keyId;
};

// A PKCS#11 module loaded through libp11, and the tokens it offers. The
// key opened from it holds the module, which is unloaded only when both are
// gone.
class TokenModule : public std::enable_shared_from_this<TokenModule> {
public:
    // p11-kit's proxy, which offers every module the system has installed.
    static QString defaultModule();
    // The longest PIN taken.
    static constexpr int maxPinLength = 256;

    // Refused (ModuleUnusable) when the file is no PKCS#11 module.
    static SigningResult<std::shared_ptr<TokenModule>> load(const QString &path);
    ~TokenModule();
    TokenModule(const TokenModule &) = delete;
    TokenModule &operator=(const TokenModule &) = delete;

    const QString &path() const { return m_path; }
    // The tokens present now.
    QList<TokenInfo> tokens() const;
    // The keys on the token of `serial` that can be listed without its PIN;
    // TokenMissing when it is not inserted.
    SigningResult<QList<TokenKeyInfo>> keys(const QString &serial) const;

    // After `pin` opened the token: the key `keyId` with the certificate
    // the token holds for it (null when none) and its public key.
    struct Opened {
        PKeyPtr privateKey; // works on the token; usable while this module is loaded
        PKeyPtr publicKey;
        X509Ptr certificate;
    };
    SigningResult<Opened> open(const QString &serial, const QByteArray &keyId, const QString &pin);

    // A key opened on the token signs with `chain` (its certificate first).
    static SigningResult<SigningKey> signingKey(std::shared_ptr<TokenModule> module, Opened opened,
                                                std::vector<X509Ptr> chain);

private:
    TokenModule() = default;
    struct Slots;

    QString m_path;
    std::unique_ptr<Slots> m_slots;
};

} // namespace arc
