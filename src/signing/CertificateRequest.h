#pragma once

#include "CertificateBuilder.h"

#include <QByteArray>

namespace arc {

// A PKCS#10 certificate request: what a signatory hands the shop's
// authority for his new key, signed with that key, so that whoever approves
// it issues a certificate for the very key its maker holds.
namespace CertificateRequest {

// The longest request read: one holds a public key and a name.
constexpr qsizetype maxBytes = 64 * 1024;

// The request (PEM) for `subject`, signed (SHA-256) with `key`, which may
// work on a token.
SigningResult<QByteArray> make(EVP_PKEY *key, const CertificateSubject &subject);

// The public key of the request in `pem`, once its signature checks; Damaged
// when the bytes hold no such request, Unsuitable when the key may not sign.
SigningResult<PKeyPtr> publicKey(const QByteArray &pem);

} // namespace CertificateRequest
} // namespace arc
