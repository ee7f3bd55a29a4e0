#pragma once

#include <QString>

namespace arc {

// What a printed certificate's QR code holds, and the short code in it
// that ties a verification address to one certificate's content.
class VerificationCode {
public:
    static constexpr int kLength = 20;

    // The first 20 characters of the RFC 4648 base32 (upper case, no
    // padding) of the content SHA-256 given in hex; empty when `hexSha256`
    // is not 64 hex digits.
    static QString of(const QString &hexSha256);

    // Whether `code` has the length and alphabet a code can have.
    static bool looksValid(const QString &code);

    // "BASE/c/TRACKING?k=CODE" with the tracking number percent-encoded and
    // one slash between base and path; with no base, the plain text
    // "ARC8130 FORM=...;TRACKING=...;SHA256=...".
    static QString payload(const QString &verifyBase, const QString &form, const QString &tracking,
                           const QString &hexSha256);
};

} // namespace arc
