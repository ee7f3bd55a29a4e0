#pragma once

#include "ReferenceLists.h"

#include <QString>

#include <functional>
#include <optional>

namespace arc {

class DataFolder;
class SigningKey;

// A signatory's signing certificate as the signatories panel shows it, and
// his key kept under a new password or removed by a reset. No widgets: each
// step returns what the user is told.
class SignatoryCertificates {
public:
    explicit SignatoryCertificates(DataFolder &folder) : m_folder(folder) {}

    // The certificate's subject, issuer and validity, or "No signing
    // certificate"; then his request awaiting approval, when he left one.
    QString describe(qint64 signatory) const;

    // The shop authority's passphrase as the user types it; `why` says why it
    // is asked again (empty the first time); nullopt or empty skips.
    using PassphraseAsk = std::function<std::optional<QString>(const QString &why)>;

    // A password was saved for `name`. His own change keeps the key opened
    // at sign-in (`opened`) under the new password; anyone else's is a reset,
    // which removes it, and revokes its certificate (superseded) when the
    // shop authority issued it, with the passphrase `passphrase` asks for.
    // A request he left with a key kept under the old password is withdrawn.
    // What to tell the user; empty when there is nothing.
    QString passwordSaved(const AgentEntry &signatory, bool own, const SigningKey *opened, const QString &newPassword,
                          const PassphraseAsk &passphrase = {});

private:
    QString describeKey(qint64 signatory) const;
    QString keyAfterPassword(const AgentEntry &signatory, bool own, const SigningKey *opened,
                             const QString &newPassword, const PassphraseAsk &passphrase);

    DataFolder &m_folder;
};

} // namespace arc
