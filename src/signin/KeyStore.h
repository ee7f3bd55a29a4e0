#pragma once

#include "ShopAuthority.h"
#include "SigningKey.h"
#include "TokenModule.h"

#include <QString>
#include <optional>

namespace arc {

// Why a kept entry could not be read.
struct KeyStoreFailure {
    enum class Cause {
        Denied,     // the account may not read the entry or its folder
        Damaged,    // what is there is no key entry
        Unreadable, // anything else: a failing disk or database
    };
    Cause cause = Cause::Unreadable;
    QString text;    // in plain words, the place included
    QString path;    // Denied: the file or folder refused
    QString account; // Denied: the account refused
};

// What is kept of a key on a token: where it lies, and its certificates
// (PEM, its own first). Never the key itself.
struct StoredTokenKey {
    TokenPlace place;
    QByteArray certificates;
};

// The key a signatory made for his request of a certificate, kept until an
// administrator approves it: encrypted under his sign-in password, or where
// it lies on a token.
struct PendingKey {
    QByteArray encryptedKey; // PKCS#8 PEM; empty for a key on a token
    std::optional<TokenPlace> token;
};

// Where the signing keys are kept: the shop authority's key and certificate,
// and each signatory's key with its certificates (and a note where a
// reset removed one). A private key is only
// ever handed in and out encrypted (PKCS#8 PEM); the store adds no secret
// and needs none. Each entry is written whole or not at all.
class KeyStore {
public:
    virtual ~KeyStore() = default;

    enum class Found { Yes, No, Failed };

    // The shop's authority; No before it was made.
    Found authority(StoredAuthority &out, QString *error) const;
    bool putAuthority(const StoredAuthority &authority, QString *error);

    // The authority's certificate revocation list (PEM), signed by it; No
    // before the first one was kept.
    Found revocations(QByteArray &out, QString *error) const;
    bool putRevocations(const QByteArray &list, QString *error);

    // A signatory's key and certificates, by the signatory's own row (the
    // Agents key), never by his name, which another may share or he may
    // change; No when the signatory holds none.
    Found signingKey(qint64 signatory, StoredSigningKey &out, QString *error) const;
    Found signingKey(qint64 signatory, StoredSigningKey &out, KeyStoreFailure &failure) const;
    bool putSigningKey(qint64 signatory, const StoredSigningKey &key, QString *error);
    // The key is gone (its password was reset), and a note says so; none
    // kept is no failure.
    bool removeSigningKey(qint64 signatory, QString *error);
    // Whether the signatory's last key went with a password reset and no
    // new one has been kept since.
    bool removedByReset(qint64 signatory) const;

    // Where a signatory's key on a token lies. A signatory has a key kept
    // here or one on a token, never both: keeping one removes the other.
    Found tokenKey(qint64 signatory, StoredTokenKey &out, QString *error) const;
    Found tokenKey(qint64 signatory, StoredTokenKey &out, KeyStoreFailure &failure) const;
    bool putTokenKey(qint64 signatory, const StoredTokenKey &key, QString *error);
    static QString tokenEntry(qint64 signatory);
    // The text a token key is kept as, and read back; nullopt when damaged.
    static QByteArray tokenText(const StoredTokenKey &key);
    static std::optional<StoredTokenKey> parseToken(const QByteArray &text);

    // The key of a signatory's request awaiting approval; his key in use
    // stays as it is until then.
    Found pendingKey(qint64 signatory, PendingKey &out, QString *error) const;
    bool putPendingKey(qint64 signatory, const PendingKey &key, QString *error);
    bool removePendingKey(qint64 signatory, QString *error) { return remove(pendingEntry(signatory), error); }
    static QString pendingEntry(qint64 signatory);

    // An entry moved whole under another name, then removed where it was;
    // No when there was none to move, and then nothing changes.
    Found move(const QString &from, const QString &to, QString *error);
    // The certificates (PEM) of the key a reset removed, kept with its note
    // so that the certificate can still be revoked; empty when none are.
    QByteArray removedCertificates(qint64 signatory) const;

    // What holds the keys, for messages: "the data folder's Keys folder".
    virtual QString place() const = 0;

    // The entry names the keys are kept under: "authority", and for a
    // signatory "signatory-row-" and his row, so that no name can reach
    // outside the store.
    static QString authorityEntry();
    static QString revocationsEntry();
    static QString signatoryEntry(qint64 signatory);
    // The note that the signatory's key was removed with a reset.
    static QString removalEntry(qint64 signatory);
    // Where earlier versions kept a signatory's key: "signatory-" and the
    // hex of the trimmed name's UTF-8 (hex digits only, so never a row's).
    static QString namedEntry(const QString &name);

    // One entry as kept: the encrypted key's PEM block, then the certificates.
    static QByteArray joined(const QByteArray &encryptedKey, const QByteArray &certificates);
    // Parts of what joined() made; false when there is no key block.
    static bool split(const QByteArray &entry, QByteArray &encryptedKey, QByteArray &certificates);

protected:
    virtual Found read(const QString &entry, QByteArray &content, KeyStoreFailure &failure) const = 0;
    virtual bool write(const QString &entry, const QByteArray &content, QString *error) = 0;
    virtual bool remove(const QString &entry, QString *error) = 0;
};

} // namespace arc
