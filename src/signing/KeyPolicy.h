#pragma once

#include "OpenSslHandles.h"
#include "SigningError.h"

#include <optional>
#include <vector>

namespace arc {

class SigningKey;

// Which keys and certificates may sign a certificate's page: an ECDSA key
// on P-256 or P-384, or RSA of 2048 bits or more; a certificate whose key
// usage, where it has one, allows signatures; SHA-256 or stronger in every
// certificate of the chain an authority signed.
namespace KeyPolicy {

// Why `key` with `chain` (the signatory's certificate first) may not sign;
// nullopt when it may. The fault is Unsuitable.
std::optional<SigningError> unsuitable(EVP_PKEY *key, const std::vector<X509 *> &chain);

// Why a key of this kind and size may not sign, whatever its certificate;
// nullopt when it may.
std::optional<SigningError> unsuitableKind(EVP_PKEY *key);

// A signature made with `key` over a few bytes and checked against its
// certificate: whatever the checks above miss, an unusable key fails here.
std::optional<SigningError> trialFails(const SigningKey &key);

} // namespace KeyPolicy
} // namespace arc
