#pragma once

#include "OpenSslHandles.h"

#include <QByteArray>
#include <QString>

namespace arc {

// What a PDF's signature says: who signed, under whose authority, and
// whether the signed bytes are as they were signed. The signature read is
// the one the document's structure declares (DeclaredSignature).
struct SignatureReport {
    bool isSigned = false; // it holds a signature, readable or not
    QString signer; // the signing certificate's common name; empty when it cannot be read
    QString issuer; // its issuer's common name
    QString signerSha256; // the signing certificate's fingerprint (CertificateInfo::sha256)
    bool intact = false;
    bool addedAfterSigning = false; // bytes follow the signed range, or another signature is there
    bool fromAuthority = false;     // issued by the authority given
    QString problem;                // why it is not intact or cannot be read
    QByteArray cms;                 // the signature read (DER CMS), when its signer could be read

    static SignatureReport of(const QByteArray &pdf, const X509 *authority = nullptr);
    // `authorityPem` is the authority's certificate (PEM); empty for none.
    static SignatureReport of(const QByteArray &pdf, const QByteArray &authorityPem);
};

} // namespace arc
