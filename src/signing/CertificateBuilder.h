#pragma once

#include "OpenSslHandles.h"
#include "SigningError.h"

#include <QDateTime>
#include <QString>

namespace arc {

// When a certificate is valid.
struct Validity {
    QDateTime from;
    QDateTime until;
    // From a few minutes ago (clocks differ) for `years` years.
    static Validity years(int years);
};

// Who a certificate is for: the name, and the approval number when there is one.
struct CertificateSubject {
    QString name;
    QString approvalNumber;
};

// Makes X.509 certificates: an authority's own, or one it issues to a
// signatory. SHA-256 signatures, random serial numbers.
namespace CertificateBuilder {

// A new ECDSA P-256 key pair.
SigningResult<PKeyPtr> newKey();
// A self-signed certificate of a certification authority.
SigningResult<X509Ptr> authority(const CertificateSubject &subject, EVP_PKEY *key, const Validity &validity);
// A signatory's certificate for `subjectKey`, issued by `issuer` with `issuerKey`.
SigningResult<X509Ptr> signatory(const CertificateSubject &subject, EVP_PKEY *subjectKey, X509 *issuer,
                                 EVP_PKEY *issuerKey, const Validity &validity);

} // namespace CertificateBuilder
} // namespace arc
