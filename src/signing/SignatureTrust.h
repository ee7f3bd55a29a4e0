#pragma once

#include "RevocationList.h"
#include "SigningError.h"
#include "TimeStamps.h"

#include <QByteArray>
#include <QString>
#include <openssl/x509.h>
#include <optional>

namespace arc {

// What a recipient who trusts one authority learns of a PDF's signature
// beyond whether it is intact: whether the signer's certificate chains to
// that authority, whether the authority's revocation list withdraws it,
// and what its time stamp says.
struct SignatureTrust {
    bool trusted = false;
    QString whyNotTrusted; // OpenSSL's reason, when not trusted
    bool revocationChecked = false; // a revocation list was given
    std::optional<Revocation> revoked;
    // Withdrawn only after the time-stamped signing, for a reason that does
    // not put the key's earlier use in doubt (superseded, ...): the
    // signature stands.
    bool revokedAfterSigning = false;
    TimeStampInfo timeStamp;

    // `cms` is the signature (DER), `crlPem` the authority's revocation
    // list, empty for none. The chain is checked at the time stamp's time
    // when it has an intact one, else now. Refused when the list is
    // damaged or not signed by `authority`.
    static SigningResult<SignatureTrust> of(const QByteArray &cms, const X509 *authority, const QByteArray &crlPem);
};

} // namespace arc
