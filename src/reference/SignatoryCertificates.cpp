#include "SignatoryCertificates.h"

#include "CertificateInfo.h"
#include "KeyFiles.h"
#include "KeysOf.h"
#include "Revocations.h"
#include "SignatoryKeys.h"

#include <QCoreApplication>

namespace arc {

QString SignatoryCertificates::describe(qint64 signatory) const
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
        return QStringLiteral("No signing certificate");
    case KeyStore::Found::Failed:
        return QStringLiteral("The signing certificate cannot be read: %1").arg(error);
    case KeyStore::Found::Yes:
        break;
    }
    const std::unique_ptr<KeyStore> keys = keysOf(m_folder);
    const std::vector<X509Ptr> certificates = KeyFiles::readCertificates(stored.certificates);
    if (certificates.empty())
        return QStringLiteral("The signing certificate cannot be read.");
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
                                             const QString &newPassword)
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
    if (!keys->removeSigningKey(signatory.rowId, &error))
        return QStringLiteral("The signing key of %1 could not be removed from %2: %3.").arg(name, keys->place(), error);
    return SignatoryKeys::removedByReset(name);
}

} // namespace arc
