#pragma once

#include "RevocationList.h"
#include "SignatoryKeys.h"

#include <optional>

namespace arc {

class KeyStore;
class SigningKey;

// The shop authority's withdrawals of its signatories' certificates, kept
// beside it in the key store: made by the command line and the signatories
// panel alike, checked whenever a key is opened to sign.
class Revocations {
public:
    explicit Revocations(KeyStore &keys) : m_keys(keys) {}

    // The certificate of `signatory` withdrawn for `reason` by the authority,
    // opened with `passphrase`; nullopt when done, the refusal otherwise,
    // with nothing changed.
    std::optional<KeyRefusal> revoke(const AgentEntry &signatory, const QString &passphrase, int reason,
                                     Revocation *done = nullptr);

    // When the key's certificate was withdrawn; nullopt when it was not (or
    // another authority issued it). An error when the list cannot be read:
    // a key is not taken for sound on a list nobody can read.
    SigningResult<std::optional<Revocation>> of(const SigningKey &key) const;
    SigningResult<std::optional<Revocation>> of(X509 *certificate) const;

private:
    KeyStore &m_keys;
};

} // namespace arc
