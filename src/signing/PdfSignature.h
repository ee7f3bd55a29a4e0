#pragma once

#include "SigningError.h"

#include <QByteArray>
#include <QDateTime>
#include <QRectF>

namespace arc {

class SigningKey;
class TimeStampService;

// Signs the one page of a PDF as this program writes it: appends an
// incremental update with a PAdES certification signature (ETSI.CAdES.detached,
// SHA-256, no change permitted after it)
// whose field and widget lie on the page, and leaves the bytes before it
// untouched, so that what was written is exactly what is signed.
// With a time-stamp service the signature carries the service's token over
// its value (PAdES B-T), or the page is not signed at all.
class PdfSignature {
public:
    // `box` is the signature field on the page in PDF user space: points,
    // from the page's lower left corner. `fieldName` is ASCII.
    static SigningResult<QByteArray> sign(const QByteArray &pdf, const SigningKey &key, const QRectF &box,
                                          const QByteArray &fieldName = "Signature",
                                          const QDateTime &when = QDateTime::currentDateTimeUtc(),
                                          const TimeStampService *timeStamps = nullptr);

    // The detached CMS signature (DER) of `data`, as PDFs carry it, with
    // the service's time stamp when one is given.
    static SigningResult<QByteArray> cms(const QByteArray &data, const SigningKey &key,
                                         const TimeStampService *timeStamps = nullptr);
};

} // namespace arc
