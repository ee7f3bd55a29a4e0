#include "KeptAuthority.h"

#include "KeyStore.h"

namespace arc {

std::variant<ShopAuthority, KeyRefusal> KeptAuthority::open(KeyStore &keys, const QString &passphrase)
{
    using Why = KeyRefusal::Why;
    StoredAuthority stored;
    QString error;
    switch (keys.authority(stored, &error)) {
    case KeyStore::Found::No:
        return KeyRefusal{Why::AuthorityUnreadable,
                          tr("No shop authority has been made yet (arc8130-admin signing-key makes it)."),
                          {}};
    case KeyStore::Found::Failed:
        return KeyRefusal{Why::AuthorityUnreadable, tr("The shop authority cannot be read: %1.").arg(error), {}};
    case KeyStore::Found::Yes:
        break;
    }
    if (passphrase.isEmpty())
        return KeyRefusal{Why::NoPassphrase, tr("The shop authority needs a passphrase."), {}};
    SigningResult<ShopAuthority> authority = ShopAuthority::open(stored, passphrase);
    if (!authority.ok())
        return KeyRefusal{Why::KeyRefused, authority.error().message, {}};
    return std::move(authority.value());
}

} // namespace arc
