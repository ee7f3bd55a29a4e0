#include "SignatoryCertificates.h"

#include "CertificateInfo.h"
#include "KeysOf.h"
#include "Passwords.h"
#include "ShopAuthority.h"
#include "SignatoryKeys.h"

namespace arc {

namespace {

SigningError refused(SigningFault fault, const QString &why) { return SigningError{fault, why}; }

std::optional<SigningError> notSignInPassword(const QString &name, const QString &storedPassword,
                                              const QString &password)
{
    // The key is opened at sign-in with what is typed there, so it must be
    // kept under that very password.
    if (password.isEmpty() || Passwords::verify(storedPassword, password) == Passwords::Verdict::Wrong)
        return refused(SigningFault::WrongPassword,
                       QStringLiteral("The password typed is not the one %1 signs in with.").arg(name));
    return std::nullopt;
}

} // namespace

QString SignatoryCertificates::describe(const QString &name) const
{
    StoredSigningKey stored;
    QString error;
    switch (keysOf(m_folder)->signingKey(name, stored, &error)) {
    case KeyStore::Found::No:
        return QStringLiteral("No signing certificate");
    case KeyStore::Found::Failed:
        return QStringLiteral("The signing certificate cannot be read: %1").arg(error);
    case KeyStore::Found::Yes:
        break;
    }
    const CertificateInfo info = CertificateInfo::fromPem(stored.certificates);
    return info.isEmpty() ? QStringLiteral("The signing certificate cannot be read.") : info.text();
}

bool SignatoryCertificates::authorityMade() const
{
    StoredAuthority stored;
    return keysOf(m_folder)->authority(stored, nullptr) != KeyStore::Found::No;
}

SigningResult<SigningKey> SignatoryCertificates::make(const CertificateSubject &signatory,
                                                      const QString &storedPassword, const QString &password,
                                                      const QString &passphrase, const QString &passphraseAgain)
{
    if (const auto wrong = notSignInPassword(signatory.name, storedPassword, password))
        return *wrong;
    const std::unique_ptr<KeyStore> keys = keysOf(m_folder);
    StoredAuthority stored;
    QString error;
    const KeyStore::Found found = keys->authority(stored, &error);
    if (found == KeyStore::Found::Failed)
        return refused(SigningFault::Failed, QStringLiteral("The shop authority cannot be read: %1.").arg(error));
    if (found == KeyStore::Found::No && passphrase != passphraseAgain)
        return refused(SigningFault::WrongPassword, QStringLiteral("The two passphrases differ."));
    SigningResult<ShopAuthority> authority =
        found == KeyStore::Found::Yes ? ShopAuthority::open(stored, passphrase)
                                      : ShopAuthority::create(SignatoryKeys::authorityName(m_folder), passphrase);
    if (!authority.ok())
        return authority.error();
    SigningResult<StoredSigningKey> key = SigningKey::make(authority.value(), signatory, password);
    if (!key.ok())
        return key.error();
    if (found == KeyStore::Found::No && !keys->putAuthority(authority->stored(), &error))
        return refused(SigningFault::Failed,
                       QStringLiteral("The shop authority could not be kept in %1: %2.").arg(keys->place(), error));
    return keep(signatory.name, key, password);
}

SigningResult<SigningKey> SignatoryCertificates::bringIn(const QString &name, const QString &storedPassword,
                                                         const QString &password, const QByteArray &pkcs12,
                                                         const QString &filePassword)
{
    if (const auto wrong = notSignInPassword(name, storedPassword, password))
        return *wrong;
    return keep(name, SigningKey::import(pkcs12, filePassword, password), password);
}

SigningResult<SigningKey> SignatoryCertificates::keep(const QString &name,
                                                      const SigningResult<StoredSigningKey> &stored,
                                                      const QString &password)
{
    if (!stored.ok())
        return stored.error();
    SigningResult<SigningKey> opened = SigningKey::open(stored.value(), password);
    if (!opened.ok())
        return opened.error();
    const std::unique_ptr<KeyStore> keys = keysOf(m_folder);
    QString error;
    if (!keys->putSigningKey(name, stored.value(), &error))
        return refused(SigningFault::Failed,
                       QStringLiteral("The signing key could not be kept in %1: %2.").arg(keys->place(), error));
    return opened;
}

QString SignatoryCertificates::passwordSaved(const QString &name, bool own, const SigningKey *opened,
                                             const QString &newPassword)
{
    const std::unique_ptr<KeyStore> keys = keysOf(m_folder);
    QString error;
    if (own) {
        // Without a key opened at sign-in there is nothing to keep: a key
        // that did not open then is unusable already.
        if (!opened)
            return {};
        const SigningResult<StoredSigningKey> again = opened->stored(newPassword);
        if (again.ok() && keys->putSigningKey(name, again.value(), &error))
            return {};
        return QStringLiteral("The password was changed, but the signing key could not be kept under it: %1\n"
                              "Issued PDFs will carry no digital signature after the next sign-in until %2 has a "
                              "new signing certificate.")
            .arg(again.ok() ? error + QLatin1Char('.') : again.error().message, name);
    }
    StoredSigningKey stored;
    if (keys->signingKey(name, stored, nullptr) == KeyStore::Found::No)
        return {};
    if (!keys->removeSigningKey(name, &error))
        return QStringLiteral("The signing key of %1 could not be removed from %2: %3.").arg(name, keys->place(), error);
    return SignatoryKeys::removedByReset(name);
}

} // namespace arc
