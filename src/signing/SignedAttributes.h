#pragma once

#include <openssl/cms.h>
#include <openssl/evp.h>

namespace arc {

// The signed attributes of a CMS signer, as PAdES baseline signatures
// carry them: OpenSSL adds a signing time no such signature may hold (the
// time belongs in the PDF's signature dictionary).
class SignedAttributes {
public:
    // Removes the signing-time attribute from `signer`, already signed, and
    // signs what remains again (their DER SET OF) with `key`. False, with
    // OpenSSL's reason queued, when the new signature cannot be made.
    static bool dropSigningTime(CMS_SignerInfo *signer, EVP_PKEY *key, const EVP_MD *digest);
};

} // namespace arc
