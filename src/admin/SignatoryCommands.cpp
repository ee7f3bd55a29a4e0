#include "SignatoryCommands.h"

#include "DataFolder.h"
#include "OpenSslPointers.h"
#include "SignatoryKeys.h"
#include "KeyFiles.h"
#include "KeysOf.h"
#include "Passwords.h"
#include "Revocations.h"
#include "ShopAuthority.h"
#include "SignatoryPasswords.h"
#include "SignaturesOf.h"

#include <QCoreApplication>

namespace arc::SignatoryCommands {

namespace {

struct SignatoryCommandsTexts {
    Q_DECLARE_TR_FUNCTIONS(SignatoryCommands)
};

} // namespace

CommandOutcome resetPassword(DataFolder &data, const QString &name, const QString &password,
                             const std::function<std::optional<QString>()> &passphrase)
{
    if (const QString why = Passwords::tooShort(password); !why.isEmpty())
        return CommandOutcome::refused(why + SignatoryCommandsTexts::tr(" The password was not reset."));
    KeyRefusal why;
    const std::optional<AgentEntry> signatory = SignatoryKeys(data).named(name, why);
    if (!signatory)
        return CommandOutcome::refused(why.message + SignatoryCommandsTexts::tr(" The password was not reset."));
    const std::unique_ptr<KeyStore> keys = keysOf(data);
    StoredSigningKey kept;
    QString error;
    const KeyStore::Found found = keys->signingKey(signatory->rowId, kept, &error);
    if (found == KeyStore::Found::Failed)
        return CommandOutcome::refused(SignatoryCommandsTexts::tr("The signing keys cannot be read: %1.").arg(error));
    // The old certificate, when the shop authority issued it, is to be revoked.
    const std::vector<X509Ptr> certificates =
        found == KeyStore::Found::Yes ? KeyFiles::readCertificates(kept.certificates) : std::vector<X509Ptr>();
    StoredAuthority authority;
    const std::vector<X509Ptr> authorities = !certificates.empty() && keys->authority(authority, nullptr)
                                                     == KeyStore::Found::Yes
                                                 ? KeyFiles::readCertificates(authority.certificate)
                                                 : std::vector<X509Ptr>();
    const bool fromAuthority = !authorities.empty()
        && X509_NAME_cmp(X509_get_issuer_name(certificates.front().get()),
                         X509_get_subject_name(authorities.front().get()))
            == 0;
    std::optional<QString> typed = fromAuthority && passphrase ? passphrase() : std::nullopt;
    if (typed && typed->isEmpty())
        typed.reset();
    if (typed) {
        SigningResult<ShopAuthority> a = ShopAuthority::open(authority, *typed);
        if (!a.ok())
            return CommandOutcome::refused(a.error().message);
    }

    if (const DbStatus s = SignatoryPasswords::reset(data.reference(), name, password); !s.ok())
        return CommandOutcome::refused(SignatoryCommandsTexts::tr("The password was not reset: %1.").arg(s.detail()));
    QString text = SignatoryCommandsTexts::tr("The password of %1 has been reset.").arg(name);
    if (found == KeyStore::Found::No)
        return CommandOutcome::doneWith(text);
    if (fromAuthority) {
        const std::optional<KeyRefusal> refused =
            typed ? Revocations(*keys).revoke(*signatory, *typed, CRL_REASON_SUPERSEDED) : std::nullopt;
        if (!typed)
            text += SignatoryCommandsTexts::tr(
                        "\nThe old certificate of %1 is still to be revoked (arc8130-admin revoke %2 "
                        "superseded).")
                        .arg(name, QStringLiteral("DATASOURCE \"%1\"").arg(name));
        else if (refused)
            text += SignatoryCommandsTexts::tr("\nThe old certificate of %1 could not be revoked: %2")
                        .arg(name, refused->message);
        else
            text += SignatoryCommandsTexts::tr("\nThe old certificate of %1 is revoked (superseded).").arg(name);
    }
    if (!keys->removeSigningKey(signatory->rowId, &error))
        return {CommandOutcome::Refused,
                text
                    + SignatoryCommandsTexts::tr(
                          "\nThe old signing key of %1 could not be removed from %2: %3. It cannot be "
                          "opened with the new password; remove it by hand.")
                          .arg(name, keys->place(), error)};
    return CommandOutcome::doneWith(text + QLatin1Char('\n') + SignatoryKeys::removedByReset(name));
}

CommandOutcome addSignature(DataFolder &data, const QString &fileName, const QByteArray &bytes)
{
    const std::unique_ptr<SignatureStore> store = signaturesOf(data);
    QString error;
    // A signature already in use is never replaced from here.
    switch (store->add(fileName, bytes, &error)) {
    case SignatureStore::Added::NameTaken:
        return CommandOutcome::refused(
            SignatoryCommandsTexts::tr("%1 is already in %2.").arg(fileName, store->place()));
    case SignatureStore::Added::Failed:
        return CommandOutcome::refused(error);
    case SignatureStore::Added::Yes:
        break;
    }
    return CommandOutcome::doneWith(
        SignatoryCommandsTexts::tr("%1 can now be chosen as a signatory's signature file.").arg(fileName));
}

} // namespace arc::SignatoryCommands
