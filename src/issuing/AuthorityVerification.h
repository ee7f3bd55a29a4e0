#pragma once

#include <QByteArray>
#include <QStringList>

namespace arc {

// What arc8130-verify --ca says of a PDF, with no data source: the PDF's
// signature checked against the authority a recipient was given (and its
// revocation list, when given), as a recipient outside the shop checks it.
class AuthorityVerification {
public:
    // The exit statuses.
    enum Status { Valid = 0, ChangedOrInvalid = 1, NotTrusted = 2, Revoked = 3 };

    struct Result {
        Status status = NotTrusted;
        QStringList lines; // "Name: value" each
        QString refusal;   // why the authority or list given cannot be used; nothing else is said then
    };

    // `authorityPem` is the authority's certificate, `crlPem` its
    // revocation list, null for none given.
    static Result check(const QByteArray &pdf, const QByteArray &authorityPem, const QByteArray &crlPem);
};

} // namespace arc
