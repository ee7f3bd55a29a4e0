#pragma once

#include "CertificateContent.h"
#include "CertificateStore.h"
#include "DataFolder.h"

namespace arc {

// Stores the changes made to an issued certificate as a new certificate:
// the next tracking number from the counter and block 12 opened by the
// statement of what it corrects. The issued one is left as it is.
class Correction {
public:
    struct [[nodiscard]] Result {
        DbStatus status; // FieldTooSmall: stored, but a value was left out
        qint64 formIndex = 0;
        QString tracking;
        QString remarks; // block 12 as the screen shows it
    };

    // `issued` is the stored certificate the screen's `entries` change;
    // `issuedOn` dates the statement when neither 13e nor 14e holds a date.
    static Result store(DataFolder &folder, CertificateEntries entries, const CertificateContent &issued,
                        const QDate &issuedOn);

    // Advance the tracking counter of the first Defaults row, always
    // counting up and past every number stored on a certificate: a
    // correction never repeats the number it corrects, nor any other.
    // Inside the caller's write transaction.
    static DbStatus nextTracking(DataView &defaults, QString &tracking);
};

} // namespace arc
