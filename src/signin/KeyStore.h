#pragma once

#include "ShopAuthority.h"
#include "SigningKey.h"

#include <QString>

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

    // A signatory's key and certificates, by the signatory's name; No when
    // the signatory holds none.
    Found signingKey(const QString &signatory, StoredSigningKey &out, QString *error) const;
    Found signingKey(const QString &signatory, StoredSigningKey &out, KeyStoreFailure &failure) const;
    bool putSigningKey(const QString &signatory, const StoredSigningKey &key, QString *error);
    // The key is gone (its password was reset), and a note says so; none
    // kept is no failure.
    bool removeSigningKey(const QString &signatory, QString *error);
    // Whether the signatory's last key went with a password reset and no
    // new one has been kept since.
    bool removedByReset(const QString &signatory) const;
    // The certificates (PEM) of the key a reset removed, kept with its note
    // so that the certificate can still be revoked; empty when none are.
    QByteArray removedCertificates(const QString &signatory) const;

    // What holds the keys, for messages: "the data folder's Keys folder".
    virtual QString place() const = 0;

    // The entry names the keys are kept under: "authority", and for a
    // signatory "signatory-" and the hex of the name's UTF-8, so that no
    // name can reach outside the store.
    static QString authorityEntry();
    static QString revocationsEntry();
    static QString signatoryEntry(const QString &signatory);
    // The note that the signatory's key was removed with a reset.
    static QString removalEntry(const QString &signatory);

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
