#pragma once

#include "OpenSslHandles.h"
#include "SigningError.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace arc {

// How keys and certificates are kept: a private key only as encrypted
// PKCS#8 (PEM), certificates in clear as PEM, the signer's first.
namespace KeyFiles {

// The key encrypted under `password` (AES-256, PBKDF2); empty passwords are refused.
SigningResult<QByteArray> encryptedKey(EVP_PKEY *key, const QString &password);
// The key that `pem` holds, opened with `password`; `wrongPassword` is the
// message when the password does not open it.
SigningResult<PKeyPtr> openKey(const QByteArray &pem, const QString &password, const QString &wrongPassword);

QByteArray certificatesPem(const std::vector<X509 *> &certificates);
// Every certificate in `pem`, in order; none when the bytes hold none.
std::vector<X509Ptr> readCertificates(const QByteArray &pem);

} // namespace KeyFiles
} // namespace arc
