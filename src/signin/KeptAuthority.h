#pragma once

#include "ShopAuthority.h"
#include "SignatoryKeys.h"

#include <QCoreApplication>
#include <variant>

namespace arc {

class KeyStore;

// The shop authority kept in a key store, opened to approve or withdraw a
// signatory's certificate.
class KeptAuthority {
    Q_DECLARE_TR_FUNCTIONS(KeptAuthority)
public:
    // Opened with `passphrase`; the refusal when none was made, it cannot
    // be read, no passphrase is given or the passphrase does not open it.
    static std::variant<ShopAuthority, KeyRefusal> open(KeyStore &keys, const QString &passphrase);
};

} // namespace arc
