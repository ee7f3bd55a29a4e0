#pragma once

#include "SigningError.h"

namespace arc {

class SigningKey;

// What signs the pages of one issue (a page, or a run of them): asked for
// the key when the first page is signed, it gets what it needs then (a
// token's PIN) once for the whole issue and lets it go with the issue.
class PageSigning {
public:
    virtual ~PageSigning() = default;
    // The key to sign with; null when the pages go out unsigned. An error
    // (a PIN not given, a token not inserted) stops the issue.
    virtual SigningResult<const SigningKey *> key() = 0;
};

// A key opened before the issue (at sign-in), or none.
class HeldKeySigning : public PageSigning {
public:
    explicit HeldKeySigning(const SigningKey *key) : m_key(key) {}
    SigningResult<const SigningKey *> key() override { return m_key; }

private:
    const SigningKey *m_key;
};

} // namespace arc
