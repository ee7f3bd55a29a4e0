#include "SignatoryCertificates.h"

#include "CertificateInfo.h"
#include "DataFolder.h"
#include "KeyFiles.h"
#include "KeysOf.h"
#include "Revocations.h"
#include "RequestRows.h"
#include "SignatoryKeys.h"
#include "SigningRequests.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct SignatoryCertificatesTexts {
    Q_DECLARE_TR_FUNCTIONS(SignatoryCertificates)
};

// Whether the shop authority kept in `keys` issued the kept certificate.
bool fromShopAuthority(KeyStore &keys, const StoredSigningKey &stored)
{
    StoredAuthority authority;
    const std::vector<X509Ptr> certificates = KeyFiles::readCertificates(stored.certificates);
    if (certificates.empty() || keys.authority(authority, nullptr) != KeyStore::Found::Yes)
        return false;
    const std::vector<X509Ptr> authorities = KeyFiles::readCertificates(authority.certificate);
    return !authorities.empty()
        && X509_NAME_cmp(X509_get_issuer_name(certificates.front().get()),
                         X509_get_subject_name(authorities.front().get()))
        == 0;
}

// The old certificate revoked as superseded, the passphrase asked for until
// it opens the authority or the user skips; what to tell the user.
QString revokeOld(KeyStore &keys, const AgentEntry &signatory, const SignatoryCertificates::PassphraseAsk &passphrase)
{
    const QString &name = signatory.name;
    QString why;
    for (;;) {
        const std::optional<QString> typed = passphrase(why);
        if (!typed || typed->isEmpty())
            return SignatoryCertificatesTexts::tr(
                       "The old certificate of %1 is still to be revoked (superseded): an administrator revokes it "
                       "with the shop authority's passphrase.")
                .arg(name);
        const std::optional<KeyRefusal> refused = Revocations(keys).revoke(signatory, *typed, CRL_REASON_SUPERSEDED);
        if (!refused)
            return SignatoryCertificatesTexts::tr("The old certificate of %1 is revoked (superseded).").arg(name);
        if (refused->why != KeyRefusal::Why::KeyRefused)
            return SignatoryCertificatesTexts::tr("The old certificate of %1 could not be revoked: %2")
                .arg(name, refused->message);
        why = refused->message;
    }
}

} // namespace

QString SignatoryCertificates::describe(qint64 signatory) const
{
    QString text = describeKey(signatory);
    RequestRow request;
    if (RequestRows::of(m_folder.reference(), signatory, request).ok())
        text += QLatin1Char('\n')
            + QCoreApplication::translate("SignatoryCertificates", "A new certificate was requested on %1: it awaits an "
                                                                   "administrator's approval.")
                  .arg(request.requestedAt.left(10));
    return text;
}

QString SignatoryCertificates::describeKey(qint64 signatory) const
{
    StoredSigningKey stored;
    QString error;
    KeyStore::Found found = keysOf(m_folder)->signingKey(signatory, stored, &error);
    StoredTokenKey onToken;
    if (found == KeyStore::Found::No
        && (found = keysOf(m_folder)->tokenKey(signatory, onToken, &error)) == KeyStore::Found::Yes)
        stored.certificates = onToken.certificates;
    switch (found) {
    case KeyStore::Found::No:
        return SignatoryCertificatesTexts::tr("No signing certificate");
    case KeyStore::Found::Failed:
        return SignatoryCertificatesTexts::tr("The signing certificate cannot be read: %1").arg(error);
    case KeyStore::Found::Yes:
        break;
    }
    const std::unique_ptr<KeyStore> keys = keysOf(m_folder);
    const std::vector<X509Ptr> certificates = KeyFiles::readCertificates(stored.certificates);
    if (certificates.empty())
        return SignatoryCertificatesTexts::tr("The signing certificate cannot be read.");
    QString text = CertificateInfo::of(certificates.front().get()).text();
    if (!onToken.place.serial.isEmpty())
        text += QLatin1Char('\n')
            + QCoreApplication::translate("SignatoryCertificates", "Key on the token %1 (serial %2).")
                  .arg(onToken.place.label, onToken.place.serial);
    const SigningResult<std::optional<Revocation>> revoked = Revocations(*keys).of(certificates.front().get());
    if (!revoked.ok())
        text += QLatin1Char('\n') + revoked.error().message;
    else if (revoked.value())
        text += QLatin1Char('\n')
            + QCoreApplication::translate("SignatoryCertificates", "Revoked on %1 (%2): it signs nothing more.")
                  .arg(revoked.value()->when.toString(QStringLiteral("yyyy-MM-dd")),
                       RevocationList::reasonName(revoked.value()->reason));
    return text;
}

QString SignatoryCertificates::passwordSaved(const AgentEntry &signatory, bool own, const SigningKey *opened,
                                             const QString &newPassword, const PassphraseAsk &passphrase)
{
    const QString key = keyAfterPassword(signatory, own, opened, newPassword, passphrase);
    // The new password would never open the key of his request.
    PendingKey pending;
    if (keysOf(m_folder)->pendingKey(signatory.rowId, pending, nullptr) != KeyStore::Found::Yes || pending.token
        || SigningRequests(m_folder).discard(signatory.rowId))
        return key;
    const QString withdrawn = QCoreApplication::translate("SignatoryCertificates",
                                                          "The request of a signing certificate of %1 was withdrawn: "
                                                          "its key was kept under the old password. %1 makes a new "
                                                          "request.")
                                  .arg(signatory.name);
    return key.isEmpty() ? withdrawn : key + QLatin1Char('\n') + withdrawn;
}

QString SignatoryCertificates::keyAfterPassword(const AgentEntry &signatory, bool own, const SigningKey *opened,
                                                const QString &newPassword, const PassphraseAsk &passphrase)
{
    const QString &name = signatory.name;
    const std::unique_ptr<KeyStore> keys = keysOf(m_folder);
    QString error;
    if (own) {
        // Without a key opened at sign-in there is nothing to keep: a key
        // that did not open then is unusable already.
        if (!opened)
            return {};
        const SigningResult<StoredSigningKey> again = opened->stored(newPassword);
        if (again.ok() && keys->putSigningKey(signatory.rowId, again.value(), &error))
            return {};
        // The old key stays, under the old password: it stops every issue.
        return QCoreApplication::translate("SignatoryCertificates",
                                           "The password was changed, but the signing key could not be kept under "
                                           "it: %1\nAfter the next sign-in no certificate can be issued until %2 has "
                                           "a new signing certificate.")
            .arg(again.ok() ? error + QLatin1Char('.') : again.error().message, name);
    }
    StoredSigningKey stored;
    if (keys->signingKey(signatory.rowId, stored, nullptr) == KeyStore::Found::No)
        return {};
    // Revoked before the key goes: a copy of the old key file signs nothing
    // that verifies as trusted.
    const QString revoked =
        passphrase && fromShopAuthority(*keys, stored) ? revokeOld(*keys, signatory, passphrase) + QLatin1Char('\n') : QString();
    if (!keys->removeSigningKey(signatory.rowId, &error))
        return revoked
            + SignatoryCertificatesTexts::tr("The signing key of %1 could not be removed from %2: %3.").arg(name, keys->place(), error);
    return revoked + SignatoryKeys::removedByReset(name);
}

} // namespace arc
