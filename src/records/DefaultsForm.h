#pragma once

#include "DataView.h"

#include <optional>

namespace arc {

// What the defaults panel shows and stores: the main row of Defaults and
// the copies and large-remarks settings of the "Custom" row.
struct DefaultsForm {
    QString country = QStringLiteral("FAA/United States");
    QString tracking, invoice, batch;
    bool increaseTrack = false, increaseInv = false, increaseBatch = false;
    QString description, partNum, eligibility, status, remarks;
    QString block13dName, block14dName, block13cNumber, block14cNumber;
    QString copies = QStringLiteral("1");
    bool largeRemarks = false;

    // The three counters as `load` found them stored (null: none) and as
    // their boxes showed them. Another station may issue numbers while the
    // panel is open: `store` then writes a counter only where its box was
    // changed, and only while the stored counter is still the one shown.
    struct Counter {
        QVariant stored;
        QString shown;
    };
    struct Loaded {
        Counter tracking, invoice, batch;
    };
    std::optional<Loaded> loaded; // none: every counter is written as given

    // The stored values as the panel opens with them; `form` keeps its own
    // values where there is nothing stored (no rows; no settings row for
    // the copies and the large remarks switch).
    static void load(DataView &defaults, DefaultsForm &form);

    // Store the main row (made when the table is empty) and then the
    // settings row (made when missing), blank boxes as one blank. A value
    // too long for its column leaves that column as it was, the rest is
    // stored, and the status says FieldTooSmall. `kept` receives the
    // counters ("Tracking", "Invoice", "Batch") changed in the form but
    // moved meanwhile by another station, which keep the stored number.
    static DbStatus store(DataView &defaults, const DefaultsForm &form, QStringList *kept = nullptr);
};

} // namespace arc
