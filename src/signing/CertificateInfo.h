#pragma once

#include "OpenSslHandles.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace arc {

// What a certificate says about itself, as a signatory or reader is told it.
struct CertificateInfo {
    QString subject;    // e.g. "CN = J. Smith, serialNumber = ABC123"
    QString commonName; // the name alone
    QString issuer;
    QString issuerName;
    QDateTime validFrom;
    QDateTime validUntil;
    QString sha256; // the SHA-256 of its DER encoding, lower-case hex

    static CertificateInfo of(const X509 *certificate);
    // The first certificate in PEM bytes; empty when there is none.
    static CertificateInfo fromPem(const QByteArray &pem);

    bool isEmpty() const { return subject.isEmpty(); }
    // One line: subject, issuer and validity.
    QString text() const;
};

} // namespace arc
