#pragma once

#include "DataView.h"

#include <optional>

namespace arc {

// What a new certificate starts from: the main Defaults row, with the next
// tracking, invoice and batch numbers issued.
struct NewCertificateDefaults {
    QString country, organ2, remarks, description, partNum, status;
    QString tracking, invoice, batch;

    // Read the first Defaults row and issue the next numbers, storing the
    // counters that already hold a value. Read, advance and store happen in
    // one write transaction, so two programs on one folder never issue the
    // same number. nullopt when Defaults has no row (nothing is issued).
    static std::optional<NewCertificateDefaults> issue(DataView &defaults, DbStatus *status = nullptr);
};

} // namespace arc
