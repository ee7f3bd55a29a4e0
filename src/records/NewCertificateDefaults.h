#pragma once

#include "DataView.h"
#include "TakenNumbers.h"

#include <optional>

namespace arc {

// What a new certificate starts from: the main Defaults row, with the next
// tracking, invoice and batch numbers issued.
struct NewCertificateDefaults {
    QString country, organ2, remarks, description, partNum, status;
    QString tracking, invoice, batch;
    bool numbersIssued = true;

    void withdrawNumbers()
    {
        tracking.clear();
        invoice.clear();
        batch.clear();
        numbersIssued = false;
    }

    // Read the first Defaults row and issue the next numbers, storing the
    // counters that already hold a value. Read, advance and store happen in
    // one write transaction, so two programs on one folder never issue the
    // same number. nullopt when Defaults has no row (nothing is issued).
    // When the counters cannot be stored (the file is full or locked, or a
    // number outgrew its field) nothing is stored, the numbers are withdrawn
    // and `status` says why. With `takenBy`, the tracking number issued is
    // kept as taken in the same transaction, until it is stored or voided.
    static std::optional<NewCertificateDefaults> issue(DataView &defaults, DbStatus *status = nullptr,
                                                       const Station *takenBy = nullptr);
};

} // namespace arc
