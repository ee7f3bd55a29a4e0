#include "SignatoryKeys.h"

#include "DataFolder.h"
#include "KeyPolicy.h"
#include "GivenText.h"
#include "KeysOf.h"
#include "Passwords.h"
#include "RevocationList.h"
#include "ShopAuthority.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct SignatoryKeysTexts {
    Q_DECLARE_TR_FUNCTIONS(SignatoryKeys)
};

using Why = KeyRefusal::Why;

KeyRefusal refused(Why why, const QString &message, const QString &where = {}) { return {why, message, where}; }

// The key is opened at sign-in with what is typed there, so it must be
// kept under that very password.
std::optional<KeyRefusal> notSignInPassword(const AgentEntry &signatory, const QString &password)
{
    if (password.isEmpty())
        return refused(Why::NoPassword, SignatoryKeysTexts::tr("A signing key needs a password."));
    if (Passwords::verify(signatory.password, password) == Passwords::Verdict::Wrong)
        return refused(Why::NotSignInPassword,
                       SignatoryKeysTexts::tr("That is not the sign-in password of %1.").arg(signatory.name));
    return std::nullopt;
}

// The first organisation's name; without one the authority takes the program's.
QString authorityName(DataFolder &source)
{
    const QList<OrganizationEntry> organizations = ReferenceLists::organizations(source.organizations());
    return organizations.isEmpty() ? QString() : organizations.first().name.trimmed();
}

} // namespace

std::optional<AgentEntry> SignatoryKeys::named(const QString &name, KeyRefusal &why) const
{
    QList<AgentEntry> found;
    for (const AgentEntry &agent : ReferenceLists::agents(m_source.agents()))
        if (agent.name == name)
            found << agent;
    if (found.size() == 1)
        return found.first();
    why = found.isEmpty() ? refused(Why::NoSuchSignatory,
                                    SignatoryKeysTexts::tr("No signatory is named %1.").arg(GivenText::quoted(name)))
                          : refused(Why::SharedName,
                                    SignatoryKeysTexts::tr("%1 signatories are named %2.")
                                        .arg(found.size())
                                        .arg(GivenText::quoted(name)));
    return std::nullopt;
}

bool SignatoryKeys::authorityMade() const
{
    StoredAuthority stored;
    return keysOf(m_source)->authority(stored, nullptr) != KeyStore::Found::No;
}

KeyOutcome SignatoryKeys::make(const AgentEntry &signatory, const QString &password, const QString &passphrase,
                               const QString &passphraseAgain)
{
    if (const auto wrong = notSignInPassword(signatory, password))
        return *wrong;
    if (passphrase.isEmpty())
        return refused(Why::NoPassphrase, SignatoryKeysTexts::tr("The shop authority needs a passphrase."));
    StoredAuthority stored;
    QString error;
    const KeyStore::Found found = keysOf(m_source)->authority(stored, &error);
    if (found == KeyStore::Found::Failed)
        return refused(Why::AuthorityUnreadable, SignatoryKeysTexts::tr("The shop authority cannot be read: %1.").arg(error));
    const bool isNew = found == KeyStore::Found::No;
    if (isNew && passphrase != passphraseAgain)
        return refused(Why::PassphrasesDiffer, SignatoryKeysTexts::tr("The two passphrases differ."));
    SigningResult<ShopAuthority> authority = isNew ? ShopAuthority::create(authorityName(m_source), passphrase)
                                                   : ShopAuthority::open(stored, passphrase);
    if (!authority.ok())
        return refused(Why::KeyRefused, authority.error().message);
    return keep(signatory,
                SigningKey::make(authority.value(), {signatory.name, signatory.approvalNumber}, password), password,
                isNew ? &authority.value() : nullptr);
}

KeyOutcome SignatoryKeys::bringIn(const AgentEntry &signatory, const QString &password, const QByteArray &pkcs12,
                                  const QString &filePassword)
{
    if (const auto wrong = notSignInPassword(signatory, password))
        return *wrong;
    return keep(signatory,
                SigningKey::import(pkcs12, filePassword, password, {signatory.name, signatory.approvalNumber}),
                password, nullptr);
}

KeyOutcome SignatoryKeys::keep(const AgentEntry &signatory, SigningResult<StoredSigningKey> stored,
                               const QString &password, const ShopAuthority *newAuthority)
{
    SigningResult<SigningKey> opened = stored.ok() ? SigningKey::open(stored.value(), password) : stored.error();
    if (!opened.ok())
        return refused(Why::KeyRefused, opened.error().message);
    if (const auto failed = KeyPolicy::trialFails(opened.value()))
        return refused(Why::KeyRefused, failed->message);

    // Only now is anything kept: the authority first, which the key's
    // certificate names as its issuer.
    const std::unique_ptr<KeyStore> keys = keysOf(m_source);
    QString error;
    const auto notKept = [&](Why why, const QString &what) {
        const QString where = QStringLiteral("%1: %2").arg(keys->place(), error);
        return refused(why, SignatoryKeysTexts::tr("%1 could not be kept in %2.").arg(what, where), where);
    };
    // A new authority keeps its (empty) revocation list from the start.
    const SigningResult<QByteArray> revocations =
        newAuthority ? RevocationList::empty(*newAuthority) : SigningResult<QByteArray>(QByteArray());
    if (!revocations.ok())
        return refused(Why::KeyRefused, revocations.error().message);
    if (newAuthority
        && (!keys->putAuthority(newAuthority->stored(), &error) || !keys->putRevocations(revocations.value(), &error)))
        return notKept(Why::AuthorityNotKept, SignatoryKeysTexts::tr("The shop authority"));
    if (!keys->putSigningKey(signatory.rowId, stored.value(), &error))
        return notKept(Why::KeyNotKept, SignatoryKeysTexts::tr("The key"));
    return KeyOutcome(std::move(opened.value()), newAuthority ? newAuthority->stored().certificate : QByteArray());
}

QString SignatoryKeys::removedByReset(const QString &name)
{
    return SignatoryKeysTexts::tr("The signing key of %1 was removed with the old password: %1 needs a new signing "
                                  "certificate.")
        .arg(name);
}

} // namespace arc
