#pragma once

#include "ReferenceLists.h"
#include "SigningKey.h"

#include <optional>

namespace arc {

class DataFolder;

// Why a signatory's key was not made or brought in; nothing was kept.
struct KeyRefusal {
    enum class Why {
        NoSuchSignatory, SharedName, NoPassword, NotSignInPassword, NoPassphrase,
        PassphrasesDiffer, // a new authority's passphrase, typed twice
        AuthorityUnreadable, AuthorityNotKept, KeyNotKept,
        KeyRefused, // by the key library, in its words
        TokenRefused, // the module, token, key or PIN, in plain words
        NoRequest,    // no request of a certificate awaits approval
        SignatoryChanged, // renamed or deleted since his request
    };
    Why why = Why::KeyRefused;
    QString message; // as the command line words it; a screen may word it its own way
    QString where;   // when something was not kept: the key store's place and reason
};

struct [[nodiscard]] KeyOutcome {
    KeyOutcome(SigningKey key, QByteArray madeAuthority = {}) : key(std::move(key)), madeAuthority(madeAuthority) {}
    KeyOutcome(KeyRefusal r) : refusal(std::move(r)) {}
    // A request of a certificate was left for an administrator to approve.
    static KeyOutcome requestLeft()
    {
        KeyOutcome out(KeyRefusal{});
        out.requested = true;
        return out;
    }
    bool ok() const { return key.has_value() || requested; }

    std::optional<SigningKey> key; // as kept, opened with the sign-in password
    QByteArray madeAuthority;      // the authority's certificate when it was made for this key
    KeyRefusal refusal;            // when nothing was kept
    bool requested = false;        // no key opened: a request awaits approval
};

// A signatory's signing key made by the shop's authority or brought in
// from a PKCS#12 file, for the command line and the signatories panel
// alike. It is kept under the sign-in password, so that signing in opens
// it, and only once everything has been checked.
class SignatoryKeys {
public:
    explicit SignatoryKeys(DataFolder &source) : m_source(source) {}

    // The one signatory named exactly `name`.
    std::optional<AgentEntry> named(const QString &name, KeyRefusal &why) const;
    // Before the authority is made, its passphrase is chosen.
    bool authorityMade() const;

    // A key certified by the authority, opened with `passphrase` or made
    // with it (typed again as `passphraseAgain`) on first use, named after
    // the first organisation.
    KeyOutcome make(const AgentEntry &signatory, const QString &password, const QString &passphrase,
                    const QString &passphraseAgain);
    KeyOutcome bringIn(const AgentEntry &signatory, const QString &password, const QByteArray &pkcs12,
                       const QString &filePassword);

    // Said wherever a password reset removed a signatory's key.
    static QString removedByReset(const QString &name);

private:
    KeyOutcome keep(const AgentEntry &signatory, SigningResult<StoredSigningKey> stored, const QString &password,
                    const ShopAuthority *newAuthority);

    DataFolder &m_source;
};

} // namespace arc
