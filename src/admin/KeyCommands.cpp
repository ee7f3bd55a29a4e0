#include "KeyCommands.h"

#include "CertificateInfo.h"
#include "DataFolder.h"
#include "KeysOf.h"
#include "Passwords.h"
#include "ReferenceLists.h"
#include "SignatoryKeys.h"

#include <QSaveFile>
#include <optional>

namespace arc::KeyCommands {

namespace {

// The one signatory named exactly `name`, when `password` is the password
// that signs them in (and so opens the key at sign-in).
std::optional<AgentEntry> signatory(DataFolder &data, const QString &name, const QString &password, QString &why)
{
    QList<AgentEntry> named;
    for (const AgentEntry &agent : ReferenceLists::agents(data.agents()))
        if (agent.name == name)
            named << agent;
    if (named.isEmpty())
        why = QStringLiteral("No signatory is named %1.").arg(name);
    else if (named.size() > 1)
        why = QStringLiteral("%1 signatories are named %2.").arg(named.size()).arg(name);
    else if (password.isEmpty())
        why = QStringLiteral("A signing key needs a password.");
    else if (Passwords::verify(named.first().password, password) == Passwords::Verdict::Wrong)
        why = QStringLiteral("That is not the sign-in password of %1.").arg(name);
    else
        return named.first();
    return std::nullopt;
}

QString certificateLine(const QByteArray &pem) { return CertificateInfo::fromPem(pem).text(); }

CommandOutcome keep(KeyStore &keys, const QString &name, const StoredSigningKey &key)
{
    QString error;
    if (!keys.putSigningKey(name, key, &error))
        return CommandOutcome::refused(QStringLiteral("The key could not be kept in %1: %2.").arg(keys.place(), error));
    return CommandOutcome::doneWith(
        QStringLiteral("Signing certificate of %1: %2").arg(name, certificateLine(key.certificates)));
}

} // namespace

CommandOutcome makeSigningKey(DataFolder &data, const QString &name, const QString &passphrase,
                              const QString &password)
{
    QString why;
    const std::optional<AgentEntry> agent = signatory(data, name, password, why);
    if (!agent)
        return CommandOutcome::refused(why);
    if (passphrase.isEmpty())
        return CommandOutcome::refused(QStringLiteral("The shop authority needs a passphrase."));

    const std::unique_ptr<KeyStore> keys = keysOf(data);
    StoredAuthority stored;
    QString error;
    const KeyStore::Found found = keys->authority(stored, &error);
    if (found == KeyStore::Found::Failed)
        return CommandOutcome::refused(QStringLiteral("The shop authority cannot be read: %1.").arg(error));
    const bool isNew = found == KeyStore::Found::No;
    SigningResult<ShopAuthority> authority =
        isNew ? ShopAuthority::create(SignatoryKeys::authorityName(data), passphrase)
              : ShopAuthority::open(stored, passphrase);
    if (!authority.ok())
        return CommandOutcome::refused(authority.error().message);
    SigningResult<StoredSigningKey> key =
        SigningKey::make(authority.value(), {agent->name, agent->approvalNumber}, password);
    if (!key.ok())
        return CommandOutcome::refused(key.error().message);

    // Only now is anything kept: the authority first, which the key's
    // certificate names as its issuer.
    QString made;
    if (isNew) {
        if (!keys->putAuthority(authority->stored(), &error))
            return CommandOutcome::refused(
                QStringLiteral("The shop authority could not be kept in %1: %2.").arg(keys->place(), error));
        made = QStringLiteral("Made the shop authority: %1\n").arg(certificateLine(authority->stored().certificate));
    }
    CommandOutcome kept = keep(*keys, name, key.value());
    kept.text.prepend(made);
    return kept;
}

CommandOutcome importKey(DataFolder &data, const QString &name, const QByteArray &pkcs12,
                         const QString &filePassword, const QString &password)
{
    QString why;
    if (!signatory(data, name, password, why))
        return CommandOutcome::refused(why);
    SigningResult<StoredSigningKey> key = SigningKey::import(pkcs12, filePassword, password);
    if (!key.ok())
        return CommandOutcome::refused(key.error().message);
    const std::unique_ptr<KeyStore> keys = keysOf(data);
    return keep(*keys, name, key.value());
}

CommandOutcome exportAuthority(DataFolder &data, const QString &path)
{
    const std::unique_ptr<KeyStore> keys = keysOf(data);
    StoredAuthority stored;
    QString error;
    switch (keys->authority(stored, &error)) {
    case KeyStore::Found::No:
        return CommandOutcome::refused(QStringLiteral(
            "No shop authority has been made yet: the first signing-key command makes it."));
    case KeyStore::Found::Failed:
        return CommandOutcome::refused(QStringLiteral("The shop authority cannot be read: %1.").arg(error));
    case KeyStore::Found::Yes:
        break;
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(stored.certificate) != stored.certificate.size() || !out.commit())
        return CommandOutcome::refused(QStringLiteral("%1 cannot be written: %2.").arg(path, out.errorString()));
    return CommandOutcome::doneWith(
        QStringLiteral("Wrote the shop authority's certificate to %1: %2").arg(path, certificateLine(stored.certificate)));
}

} // namespace arc::KeyCommands
