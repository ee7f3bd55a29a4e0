#pragma once

#include "KeyStore.h"

#include <QDateTime>
#include <QString>

namespace arc {

// What signing in found of the signatory's signing key, and what it means
// for the pages issued: signed with it; issued without a digital signature
// because he holds none; or none issued at all, because a key is there
// that cannot be opened.
class SigningKeyState {
public:
    enum class Kind {
        NoSignatory,    // nobody, or the master password, is signed in
        Opened,         // pages are signed with it
        NoKey,          // he holds none: pages go out unsigned
        RemovedByReset, // a password reset took it: pages go out unsigned
        Unusable,       // one is kept but cannot be opened: nothing is issued
        Revoked,        // its certificate was withdrawn: nothing is issued
        OnToken,        // on a token: its PIN is asked at each issue
    };

    SigningKeyState() = default;
    static SigningKeyState opened(const QString &name) { return {Kind::Opened, name, {}, {}}; }
    static SigningKeyState onToken(const QString &name, const QString &label) { return {Kind::OnToken, name, label, {}}; }
    static SigningKeyState none(const QString &name, bool removedByReset)
    {
        return {removedByReset ? Kind::RemovedByReset : Kind::NoKey, name, {}, {}};
    }
    // The store could not hand the key over.
    static SigningKeyState unreadable(const QString &name, const KeyStoreFailure &failure);
    // The key was read but does not open: `fault` as SigningKey::open
    // gives it, `why` its words.
    static SigningKeyState notOpened(const QString &name, SigningFault fault, const QString &why);

    // The key opened, but the shop authority withdrew its certificate on
    // `when` for `reason` (its RFC 5280 name).
    static SigningKeyState revoked(const QString &name, const QDateTime &when, const QString &reason);

    Kind kind() const { return m_kind; }
    // Unusable or Revoked: pages may not be issued.
    bool stops() const { return m_kind == Kind::Unusable || m_kind == Kind::Revoked; }

    // Why pages go out without a digital signature; empty when they do not.
    QString unsignedWhy() const;
    // What sign-in tells on the status line; empty when there is nothing to tell.
    QString atSignIn() const;
    // Why no page may be issued, with the cause and its mend; empty when
    // pages may be issued.
    QString stopsIssue() const;

private:
    SigningKeyState(Kind kind, QString name, QString cause, QString mend)
        : m_kind(kind), m_name(std::move(name)), m_cause(std::move(cause)), m_mend(std::move(mend))
    {
    }

    Kind m_kind = Kind::NoSignatory;
    QString m_name;
    QString m_cause; // Unusable: what is wrong
    QString m_mend;  // Unusable: what puts it right
};

} // namespace arc
