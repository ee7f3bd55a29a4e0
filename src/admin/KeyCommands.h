#pragma once

#include "CommandOutcome.h"

#include "SignatoryTokens.h"

#include <QByteArray>

namespace arc {

class DataFolder;

// What arc8130-admin does to the signing keys of an open data source. Each
// command checks everything it is given before it keeps anything, so that a
// refusal leaves the source as it was.
namespace KeyCommands {

// A new key and certificate for the signatory `name`, issued by the shop's
// authority and kept under the signatory's sign-in password, `password`.
// The authority is opened with `passphrase`, or made with it on first use,
// named after the first organisation.
CommandOutcome makeSigningKey(DataFolder &data, const QString &name, const QString &passphrase,
                              const QString &password);

// The key and certificate of a PKCS#12 file, kept for the signatory `name`
// under the signatory's sign-in password.
CommandOutcome importKey(DataFolder &data, const QString &name, const QByteArray &pkcs12,
                         const QString &filePassword, const QString &password);

// The key `choice` on a token for the signatory `name`: the token's own
// certificate for it, or one the shop authority issues (`passphrase` asked
// only then), then the PIN asked. Nothing but where the key lies and its
// certificate is kept.
CommandOutcome tokenKey(DataFolder &data, const QString &name, const TokenKeyChoice &choice,
                        const SecretAsked &passphrase, const SecretAsked &pin);

// The request of a certificate the signatory `name` left approved with the
// authority's `passphrase`: his certificate is kept with the key he made.
CommandOutcome approve(DataFolder &data, const QString &name, const QString &passphrase);

// The certificate of the signatory `name` withdrawn by the shop authority,
// opened with `passphrase`, for `reason` (RFC 5280's code): added to the
// authority's revocation list, which it signs again.
CommandOutcome revoke(DataFolder &data, const QString &name, const QString &passphrase, int reason);

// What customers are given to check the shop's signatures, written to
// `folder` (made when missing): authority.pem, the current authority.crl
// and HOW-TO-VERIFY.txt. Reads no secret.
CommandOutcome exportAuthority(DataFolder &data, const QString &folder);

} // namespace KeyCommands
} // namespace arc
