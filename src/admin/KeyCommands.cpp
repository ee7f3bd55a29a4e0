#include "KeyCommands.h"

#include "CertificateInfo.h"
#include "DataFolder.h"
#include "KeysOf.h"
#include "Revocations.h"
#include "SignatoryKeys.h"

#include <QSaveFile>
#include <functional>

namespace arc::KeyCommands {

namespace {

QString certificateLine(const QByteArray &pem) { return CertificateInfo::fromPem(pem).text(); }

// What `step` did for the one signatory named `name`.
CommandOutcome forNamed(DataFolder &data, const QString &name,
                        const std::function<KeyOutcome(SignatoryKeys &, const AgentEntry &)> &step)
{
    SignatoryKeys keys(data);
    KeyRefusal why;
    const std::optional<AgentEntry> signatory = keys.named(name, why);
    const KeyOutcome out = signatory ? step(keys, *signatory) : KeyOutcome(why);
    if (!out.ok())
        return CommandOutcome::refused(out.refusal.message);
    QString text;
    if (!out.madeAuthority.isEmpty())
        text = QStringLiteral("Made the shop authority: %1\n").arg(certificateLine(out.madeAuthority));
    return CommandOutcome::doneWith(text + QStringLiteral("Signing certificate of %1: %2")
                                               .arg(name, CertificateInfo::of(out.key->certificate()).text()));
}

} // namespace

CommandOutcome makeSigningKey(DataFolder &data, const QString &name, const QString &passphrase,
                              const QString &password)
{
    // The passphrase was asked for twice already where it is typed at a terminal.
    return forNamed(data, name, [&](SignatoryKeys &keys, const AgentEntry &signatory) {
        return keys.make(signatory, password, passphrase, passphrase);
    });
}

CommandOutcome importKey(DataFolder &data, const QString &name, const QByteArray &pkcs12,
                         const QString &filePassword, const QString &password)
{
    return forNamed(data, name, [&](SignatoryKeys &keys, const AgentEntry &signatory) {
        return keys.bringIn(signatory, password, pkcs12, filePassword);
    });
}

CommandOutcome revoke(DataFolder &data, const QString &name, const QString &passphrase, int reason)
{
    KeyRefusal why;
    if (!SignatoryKeys(data).named(name, why))
        return CommandOutcome::refused(why.message);
    const std::unique_ptr<KeyStore> keys = keysOf(data);
    Revocation done;
    if (const std::optional<KeyRefusal> refused = Revocations(*keys).revoke(name, passphrase, reason, &done))
        return CommandOutcome::refused(refused->message);
    return CommandOutcome::doneWith(QStringLiteral("Revoked the signing certificate of %1 on %2 (%3): it signs "
                                                   "nothing more.")
                                        .arg(name, done.when.toString(Qt::ISODate),
                                             RevocationList::reasonName(done.reason)));
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
