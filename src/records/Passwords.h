#pragma once

#include <QString>

namespace arc {

// Every comparison of a typed password with a stored one goes through
// here. Passwords are stored as Argon2id hashes in libsodium's string
// format; a stored value that is not such a hash is a password kept by an
// earlier version, compared as it is and to be replaced by its hash.
class Passwords {
public:
    // Opens the program without a signatory while no signatory is an
    // administrator, so that the first one can be set up.
    static const QString master;

    enum class Verdict { Wrong, Right, RightButStoredPlain };

    static Verdict verify(const QString &stored, const QString &typed);
    // The hash to store for `password`; empty when hashing failed.
    static QString hash(const QString &password);
    static bool isHash(const QString &stored);

    // Whether `typed` is the master password and the master password
    // still opens the program.
    static bool isOpeningMaster(const QString &typed, bool administratorExists);

    // What a password box takes; a signatory's new sign-in password is at
    // least `minimumLength` long (the master password and the authority's
    // passphrase keep their own rules).
    static constexpr int maximumLength = 128;
    static constexpr int minimumLength = 12;
    // Why `password` may not become a signatory's sign-in password; empty
    // when it may.
    static QString tooShort(const QString &password);

    // Exact, case-sensitive comparison whose time does not depend on where
    // the texts first differ.
    static bool equal(const QString &a, const QString &b);
};

} // namespace arc
