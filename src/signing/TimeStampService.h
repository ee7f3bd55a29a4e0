#pragma once

#include "SigningError.h"

#include <QByteArray>
#include <QString>

namespace arc {

// A time-stamp authority as the signing code asks it: an RFC 3161 query
// in, the service's answer out. How the bytes travel is the service's own.
class TimeStampService {
public:
    virtual ~TimeStampService() = default;
    // How the user knows the service: its address.
    virtual QString name() const = 0;
    // The answer (a DER TimeStampResp) to `query` (a DER TimeStampReq), or
    // why none came, in a few plain words ("no answer within 10 seconds").
    virtual SigningResult<QByteArray> answer(const QByteArray &query) const = 0;
};

} // namespace arc
