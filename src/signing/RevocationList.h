#pragma once

#include "OpenSslHandles.h"
#include "SigningError.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace arc {

class ShopAuthority;

// A certificate withdrawn by its authority: when, and why.
struct Revocation {
    QDateTime when;
    int reason = 0; // CRL_REASON_*; 0 is unspecified
};

// The shop authority's certificate revocation list (PEM), signed by it:
// made empty with the authority, each withdrawn certificate added to it.
class RevocationList {
public:
    // The reason named as RFC 5280 names it ("keyCompromise", "superseded",
    // ...); nullopt for a name it does not give.
    static std::optional<int> reasonNamed(const QString &name);
    static QString reasonName(int reason);

    static SigningResult<QByteArray> empty(const ShopAuthority &authority);
    // `list` with `certificate` added, signed again; refused when `list`
    // is not the authority's or `certificate` not one it issued. A
    // certificate already withdrawn keeps its first date and reason.
    static SigningResult<QByteArray> adding(const ShopAuthority &authority, const QByteArray &list,
                                            const X509 *certificate, int reason,
                                            const QDateTime &when = QDateTime::currentDateTimeUtc());
    // Whether `list`, checked as signed by `authority`, withdraws
    // `certificate`; an error when `list` is damaged or not the authority's.
    static SigningResult<std::optional<Revocation>> find(const QByteArray &list, const X509 *authority,
                                                         const X509 *certificate);
};

} // namespace arc
