#pragma once

#include "SigningError.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace arc {

class TimeStampService;

// What a time-stamp token says of the bytes it stamps.
struct TimeStampInfo {
    bool present = false;
    bool intact = false; // its imprint is the bytes' and its signature verifies
    QDateTime time;      // the time the authority put in it, UTC
    QString authority;   // the common name (else the name) of the certificate that signed it
    QString problem;     // why it is not intact
};

// RFC 3161 time stamps over a signature's value (PAdES B-T): asked of a
// service and checked before they are used; read again from a signature.
// The authority is not trusted here, only its token checked against the
// certificate it carries.
namespace TimeStamps {

// The service's token (a DER ContentInfo) over the SHA-256 of `data`, with
// a nonce of its own. Refused, with a message that names the service and
// why, when no answer comes, the answer is not a granted time stamp, or
// its imprint, nonce or signature does not match.
SigningResult<QByteArray> stamp(const TimeStampService &service, const QByteArray &data);

// What `token` says of `data`.
TimeStampInfo read(const QByteArray &token, const QByteArray &data);

} // namespace TimeStamps
} // namespace arc
