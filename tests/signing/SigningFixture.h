#pragma once

#include "ShopAuthority.h"
#include "SigningKey.h"

#include <QByteArray>
#include <QList>
#include <gtest/gtest.h>
#include <optional>

// Keys, PKCS#12 files and PDFs the signing tests start from.
namespace signing {

// One shop authority for the whole run: making keys is the slow part.
const arc::ShopAuthority &authority();
inline const QString kPassphrase = QStringLiteral("shop passphrase");

// A key from the shop's authority for "J. Smith", approval "ARC-1234".
arc::StoredSigningKey madeKey(const QString &password, const arc::Validity &validity = arc::Validity::years(5));
// That key opened, made once for the run (under the password "pw").
const arc::SigningKey &signingKey();
// The key in a PKCS#12 file, made with OpenSSL as another authority would.
QByteArray pkcs12Of(const arc::StoredSigningKey &key, const QString &password, const QString &filePassword);

// A certificate from an outside authority, as it may come: the key's kind
// ("P-256", "P-384", "P-521", "RSA-1024", "RSA-2048", "Ed25519", "DSA"),
// the key usage extension's value (none when empty) and the digest the
// authority signed with.
struct Foreign {
    const char *kind = "P-256";
    const char *usage = "critical,digitalSignature,nonRepudiation";
    const char *digest = "SHA256";
    QString name = QStringLiteral("J. Smith");
    QString serialNumber = QStringLiteral("ARC-1234"); // none when empty
};
// Its key and certificate in a PKCS#12 file under `filePassword`, with the
// outside authority's certificate; empty when OpenSSL could not make it.
QByteArray foreignPkcs12(const Foreign &what, const QString &filePassword);

// The key and certificates of a PKCS#12 file kept under `password` as
// they are, whatever their kind: what an earlier version kept.
arc::StoredSigningKey storedAsIs(const QByteArray &pkcs12, const QString &filePassword, const QString &password);

// One page written by Qt as the program writes its pages.
QByteArray qtPage();
// A PDF of the given objects (bodies of objects 1, 2, ...), object 1 the
// catalogue, with a classic cross-reference table; object 2 the one page's
// list and object 4 its content, as a blank page has them.
QByteArray pdfOf(const QList<QByteArray> &objects);
inline const QByteArray kPages = "<< /Type /Pages /Kids [3 0 R] /Count 1 >>";
inline const QByteArray kEmptyContent = "<< /Length 0 >>\nstream\n\nendstream";
// `pdf` with an incremental update replacing object `number`.
QByteArray updated(const QByteArray &pdf, int number, const QByteArray &body);
// A Letter page with nothing on it, made without Qt's GUI.
QByteArray blankPage();

// What pdfsig says of the PDF, or nullopt when pdfsig is not installed.
std::optional<QString> pdfsig(const QByteArray &pdf);

} // namespace signing
