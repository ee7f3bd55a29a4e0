#pragma once

#include "SigningKey.h"

#include <QString>

namespace arc {

class DataFolder;

// A signatory's signing key and certificate as the signatories panel keeps
// them: made by the shop's authority or brought in, kept under a new
// password, removed by a reset. No widgets: each step returns what the user
// is told, and a refusal changes nothing.
class SignatoryCertificates {
public:
    explicit SignatoryCertificates(DataFolder &folder) : m_folder(folder) {}

    // The certificate's subject, issuer and validity, or "No signing certificate".
    QString describe(const QString &name) const;
    // Before the authority is made its passphrase is chosen, so asked twice.
    bool authorityMade() const;

    // Each gives the new key opened with the signatory's `password`, which
    // must be his sign-in password (`storedPassword`, as kept).
    SigningResult<SigningKey> make(const CertificateSubject &signatory, const QString &storedPassword,
                                   const QString &password, const QString &passphrase,
                                   const QString &passphraseAgain);
    SigningResult<SigningKey> bringIn(const QString &name, const QString &storedPassword, const QString &password,
                                      const QByteArray &pkcs12, const QString &filePassword);

    // A password was saved for `name`. His own change keeps the key opened
    // at sign-in (`opened`) under the new password; anyone else's is a reset,
    // which removes it. What to tell the user; empty when there is nothing.
    QString passwordSaved(const QString &name, bool own, const SigningKey *opened, const QString &newPassword);

private:
    SigningResult<SigningKey> keep(const QString &name, const SigningResult<StoredSigningKey> &stored,
                                   const QString &password);

    DataFolder &m_folder;
};

} // namespace arc
