#pragma once

#include "SignatoryKeys.h"

#include <functional>

namespace arc {

class DataFolder;

// Asks for a secret when it is needed; nullopt when none is given.
using SecretAsked = std::function<std::optional<QString>()>;

// What is asked to set a key on a token for a signatory.
struct TokenKeyChoice {
    QString module;   // the PKCS#11 module file
    QString token;    // the token's label or serial number
    QByteArray keyId; // the key's id on it
};

// A signatory's key on a smart card or token, for the command line and the
// signatories panel alike: the key is opened with the PIN and tried; its
// certificate is the token's own for it or, when it holds none, one the
// shop authority issues for its public key (the passphrase asked only
// then, before the PIN; none given leaves a request signed on the token for
// an administrator to approve). Only where the key lies and the certificate
// are kept, once everything has been checked.
class SignatoryTokens {
public:
    explicit SignatoryTokens(DataFolder &source) : m_source(source) {}

    KeyOutcome set(const AgentEntry &signatory, const TokenKeyChoice &choice, const SecretAsked &passphrase,
                   const SecretAsked &pin);

private:
    DataFolder &m_source;
};

} // namespace arc
