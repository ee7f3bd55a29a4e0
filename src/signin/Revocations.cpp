#include "Revocations.h"

#include "KeptAuthority.h"
#include "KeyFiles.h"
#include "KeyStore.h"
#include "OpenSslPointers.h"

namespace arc {

namespace {

using Why = KeyRefusal::Why;

struct RevocationTexts {
    Q_DECLARE_TR_FUNCTIONS(Revocations)
};

KeyRefusal revocationRefused(Why why, const QString &message) { return {why, message, {}}; }

} // namespace

std::optional<KeyRefusal> Revocations::revoke(const AgentEntry &who, const QString &passphrase, int reason,
                                              Revocation *done)
{
    const QString &signatory = who.name;
    std::variant<ShopAuthority, KeyRefusal> authority = KeptAuthority::open(m_keys, passphrase);
    if (const KeyRefusal *refused = std::get_if<KeyRefusal>(&authority))
        return *refused;
    const ShopAuthority &shop = std::get<ShopAuthority>(authority);

    QString error;
    StoredSigningKey key;
    KeyStore::Found found = m_keys.signingKey(who.rowId, key, &error);
    StoredTokenKey onToken;
    if (found == KeyStore::Found::No && (found = m_keys.tokenKey(who.rowId, onToken, &error)) == KeyStore::Found::Yes)
        key.certificates = onToken.certificates;
    // A key a reset removed leaves its certificate with the note: revoked
    // later all the same.
    if (found == KeyStore::Found::No)
        key.certificates = m_keys.removedCertificates(who.rowId);
    if (found == KeyStore::Found::No && key.certificates.isEmpty())
        return revocationRefused(Why::NoSuchSignatory, RevocationTexts::tr("%1 holds no signing certificate.").arg(signatory));
    if (found == KeyStore::Found::Failed)
        return revocationRefused(Why::KeyRefused, RevocationTexts::tr("The key of %1 cannot be read: %2.").arg(signatory, error));
    const std::vector<X509Ptr> certificates = KeyFiles::readCertificates(key.certificates);
    if (certificates.empty())
        return revocationRefused(Why::KeyRefused, RevocationTexts::tr("The certificate of %1 is damaged.").arg(signatory));

    QByteArray list;
    const KeyStore::Found listed = m_keys.revocations(list, &error);
    if (listed == KeyStore::Found::Failed)
        return revocationRefused(Why::AuthorityUnreadable,
                       RevocationTexts::tr("The shop authority's revocation list cannot be read: %1.").arg(error));
    if (listed == KeyStore::Found::No) {
        // Made before the authority kept one.
        SigningResult<QByteArray> empty = RevocationList::empty(shop);
        if (!empty.ok())
            return revocationRefused(Why::KeyRefused, empty.error().message);
        list = empty.value();
    }
    const QDateTime when = QDateTime::currentDateTimeUtc();
    SigningResult<QByteArray> added =
        RevocationList::adding(shop, list, certificates.front().get(), reason, when);
    if (!added.ok())
        return revocationRefused(Why::KeyRefused, added.error().message);
    if (!m_keys.putRevocations(added.value(), &error))
        return revocationRefused(Why::AuthorityNotKept, RevocationTexts::tr("The revocation list could not be kept in %1: %2.")
                                                  .arg(m_keys.place(), error));
    if (done) {
        SigningResult<std::optional<Revocation>> kept = of(certificates.front().get());
        *done = kept.ok() && kept.value() ? *kept.value() : Revocation{when, reason};
    }
    return std::nullopt;
}

SigningResult<std::optional<Revocation>> Revocations::of(const SigningKey &key) const
{
    return of(key.certificate());
}

SigningResult<std::optional<Revocation>> Revocations::of(X509 *certificate) const
{
    StoredAuthority stored;
    QString error;
    const KeyStore::Found found = m_keys.authority(stored, &error);
    if (found == KeyStore::Found::No)
        return std::optional<Revocation>();
    const std::vector<X509Ptr> authority =
        found == KeyStore::Found::Yes ? KeyFiles::readCertificates(stored.certificate) : std::vector<X509Ptr>();
    if (authority.empty())
        return SigningError{SigningFault::Damaged, RevocationTexts::tr("The shop authority cannot be read: %1.").arg(error)};
    // A certificate from another authority is not on this one's list.
    if (X509_NAME_cmp(X509_get_issuer_name(certificate), X509_get_subject_name(authority.front().get())) != 0)
        return std::optional<Revocation>();
    QByteArray list;
    switch (m_keys.revocations(list, &error)) {
    case KeyStore::Found::No:
        return std::optional<Revocation>();
    case KeyStore::Found::Failed:
        return SigningError{SigningFault::Damaged,
                            RevocationTexts::tr("The shop authority's revocation list cannot be read: %1.").arg(error)};
    case KeyStore::Found::Yes:
        break;
    }
    return RevocationList::find(list, authority.front().get(), certificate);
}

} // namespace arc
