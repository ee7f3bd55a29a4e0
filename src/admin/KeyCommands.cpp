#include "KeyCommands.h"

#include "CertificateInfo.h"
#include "DataFolder.h"
#include "KeyFiles.h"
#include "KeysOf.h"
#include "OpenSslPointers.h"
#include "Revocations.h"
#include "SignatoryKeys.h"
#include "SigningRequests.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <functional>

namespace arc::KeyCommands {

namespace {

struct KeyCommandsTexts {
    Q_DECLARE_TR_FUNCTIONS(KeyCommands)
};

QString certificateLine(const QByteArray &pem) { return CertificateInfo::fromPem(pem).text(); }

// The certificate's SHA-256 fingerprint as readers show it: "AB:CD:...".
QString fingerprint(const X509 *certificate)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (X509_digest(certificate, EVP_sha256(), digest, &length) != 1)
        return {};
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex(':').toUpper());
}

// What a customer does to check a certificate the shop issued.
QByteArray howToVerify(const QString &name, const QString &fingerprint)
{
    return QStringLiteral(
               "Checking the digital signature of a release certificate from this shop\n"
               "\n"
               "The certificates are signed by keys the shop's own authority issued:\n"
               "  %1\n"
               "  SHA-256 fingerprint %2\n"
               "Before trusting authority.pem, compare this fingerprint with the one the shop\n"
               "gives you by telephone or on its letterhead:\n"
               "  openssl x509 -in authority.pem -noout -fingerprint -sha256\n"
               "\n"
               "With poppler's pdfsig (and certutil from the NSS tools), once:\n"
               "  mkdir -p \"$HOME/arc8130-trust\"\n"
               "  certutil -N -d \"sql:$HOME/arc8130-trust\" --empty-password\n"
               "  certutil -A -d \"sql:$HOME/arc8130-trust\" -n \"%1\" -t \"C,C,C\" -i authority.pem\n"
               "then for each PDF:\n"
               "  pdfsig -nssdir \"sql:$HOME/arc8130-trust\" CERTIFICATE.pdf\n"
               "It is to report \"Signature is Valid\" and \"Certificate is Trusted\".\n"
               "\n"
               "With arc8130-verify, from the shop's ARC 8130 package:\n"
               "  arc8130-verify CERTIFICATE.pdf --ca authority.pem --crl authority.crl\n"
               "It is to report \"Signature: intact\", \"Changed after signing: no\", \"Trusted: yes\"\n"
               "and \"Revoked: no\", and exit with status 0.\n"
               "\n"
               "authority.crl lists the certificates the shop has withdrawn (PEM). Whether the\n"
               "signer's certificate is on it:\n"
               "  openssl verify -crl_check -CAfile authority.pem -CRLfile authority.crl SIGNER.pem\n"
               "Ask the shop for a new authority.crl when an inspector leaves or a key is lost.\n")
        .arg(name, fingerprint)
        .toUtf8();
}

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
    if (out.requested)
        return CommandOutcome::doneWith(
            KeyCommandsTexts::tr("Left a request of a signing certificate for %1: an administrator approves it "
                           "(arc8130-admin approve).")
                .arg(name));
    QString text;
    if (!out.madeAuthority.isEmpty())
        text = KeyCommandsTexts::tr("Made the shop authority: %1\n").arg(certificateLine(out.madeAuthority));
    return CommandOutcome::doneWith(text
                                    + KeyCommandsTexts::tr("Signing certificate of %1: %2")
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

CommandOutcome tokenKey(DataFolder &data, const QString &name, const TokenKeyChoice &choice,
                        const SecretAsked &passphrase, const SecretAsked &pin)
{
    return forNamed(data, name, [&](SignatoryKeys &, const AgentEntry &signatory) {
        return SignatoryTokens(data).set(signatory, choice, passphrase, pin);
    });
}

CommandOutcome approve(DataFolder &data, const QString &name, const QString &passphrase)
{
    KeyRefusal why;
    std::optional<AgentEntry> signatory = SignatoryKeys(data).named(name, why);
    SigningRequests requests(data);
    if (!signatory && why.why == KeyRefusal::Why::NoSuchSignatory) {
        // Renamed or deleted since his request, which still bears the name.
        QList<RequestRow> pending;
        (void)requests.pending(pending);
        for (const RequestRow &r : pending)
            if (r.name == name.trimmed())
                signatory = AgentEntry{name, {}, {}, r.signatory};
    }
    if (!signatory)
        return CommandOutcome::refused(why.message);
    QByteArray issued;
    if (const std::optional<KeyRefusal> refused = requests.approve(signatory->rowId, passphrase, &issued))
        return CommandOutcome::refused(refused->message);
    return CommandOutcome::doneWith(KeyCommandsTexts::tr("Approved: signing certificate of %1: %2").arg(name, certificateLine(issued)));
}

CommandOutcome revoke(DataFolder &data, const QString &name, const QString &passphrase, int reason)
{
    KeyRefusal why;
    const std::optional<AgentEntry> signatory = SignatoryKeys(data).named(name, why);
    if (!signatory)
        return CommandOutcome::refused(why.message);
    const std::unique_ptr<KeyStore> keys = keysOf(data);
    Revocation done;
    if (const std::optional<KeyRefusal> refused = Revocations(*keys).revoke(*signatory, passphrase, reason, &done))
        return CommandOutcome::refused(refused->message);
    return CommandOutcome::doneWith(
        KeyCommandsTexts::tr("Revoked the signing certificate of %1 on %2 (%3): it signs "
                             "nothing more.")
            .arg(name, done.when.toString(Qt::ISODate), RevocationList::reasonName(done.reason)));
}

CommandOutcome exportAuthority(DataFolder &data, const QString &folder)
{
    const std::unique_ptr<KeyStore> keys = keysOf(data);
    StoredAuthority stored;
    QString error;
    switch (keys->authority(stored, &error)) {
    case KeyStore::Found::No:
        return CommandOutcome::refused(QStringLiteral(
            "No shop authority has been made yet: the first signing-key command makes it."));
    case KeyStore::Found::Failed:
        return CommandOutcome::refused(KeyCommandsTexts::tr("The shop authority cannot be read: %1.").arg(error));
    case KeyStore::Found::Yes:
        break;
    }
    QByteArray revocations;
    const KeyStore::Found listed = keys->revocations(revocations, &error);
    if (listed == KeyStore::Found::Failed)
        return CommandOutcome::refused(
            KeyCommandsTexts::tr("The shop authority's revocation list cannot be read: %1.").arg(error));
    const std::vector<X509Ptr> certificate = KeyFiles::readCertificates(stored.certificate);
    if (certificate.empty())
        return CommandOutcome::refused(KeyCommandsTexts::tr("The shop authority's certificate is damaged."));
    const CertificateInfo info = CertificateInfo::of(certificate.front().get());

    QList<std::pair<QString, QByteArray>> files = {
        {QStringLiteral("authority.pem"), stored.certificate},
        {QStringLiteral("HOW-TO-VERIFY.txt"), howToVerify(info.commonName, fingerprint(certificate.front().get()))}};
    if (listed == KeyStore::Found::Yes)
        files.insert(1, {QStringLiteral("authority.crl"), revocations});
    if (!QDir().mkpath(folder))
        return CommandOutcome::refused(KeyCommandsTexts::tr("The folder %1 cannot be made.").arg(folder));
    QStringList written;
    for (const auto &[name, bytes] : files) {
        const QString path = QDir(folder).filePath(name);
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
            return {CommandOutcome::Refused,
                    KeyCommandsTexts::tr("%1 cannot be written: %2.%3")
                        .arg(path, out.errorString(),
                             written.isEmpty()
                                 ? QString()
                                 : KeyCommandsTexts::tr(" Written before it: %1.").arg(written.join(", ")))};
        written << name;
    }
    QString text = KeyCommandsTexts::tr("Wrote %1 to %2 for customers: %3")
                       .arg(written.join(", "), folder, certificateLine(stored.certificate));
    if (listed == KeyStore::Found::No)
        text += KeyCommandsTexts::tr(
            "\nThe shop authority keeps no revocation list yet: the first revoke command makes it.");
    return CommandOutcome::doneWith(text);
}

} // namespace arc::KeyCommands
