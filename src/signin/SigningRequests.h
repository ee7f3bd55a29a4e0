#pragma once

#include "KeyStore.h"
#include "RequestRows.h"
#include "SignatoryKeys.h"

namespace arc {

class DataFolder;

// Requests of signing certificates: a signatory makes his key with his own
// password (or on his token with its PIN) and leaves a request; an
// administrator approves it with the shop authority's passphrase, and the
// certificate is then kept with the key, ready at his next sign-in. Nobody
// needs both secrets. Each step checks everything before it keeps anything.
class SigningRequests {
public:
    explicit SigningRequests(DataFolder &source) : m_source(source) {}

    // A new key for `signatory`, kept under his sign-in password with its
    // request; an earlier request of his is replaced, his key in use stays.
    KeyOutcome makeKey(const AgentEntry &signatory, const QString &password);
    // The request `request` (PEM) of a key made elsewhere (on a token).
    KeyOutcome leave(const AgentEntry &signatory, const QByteArray &request, const PendingKey &key);

    DbStatus pending(QList<RequestRow> &out) const;
    // The request of the signatory of row `signatory` approved with
    // `passphrase`; nullopt when his certificate is kept, the refusal
    // otherwise, with nothing changed. `issued` receives the certificate (PEM).
    std::optional<KeyRefusal> approve(qint64 signatory, const QString &passphrase, QByteArray *issued = nullptr);
    // The request and its key gone, unapproved.
    std::optional<KeyRefusal> discard(qint64 signatory);

private:
    DataFolder &m_source;
};

} // namespace arc
