#pragma once

#include "DataView.h"

#include <optional>

namespace arc {

// What the set-up panel keeps in the main row of Defaults: the alternate
// organisation text, the print settings, and whether every PDF issued must
// carry a digital signature (kept with the data source, so that every
// workstation of a server follows it).
struct SetupSettings {
    QString organ2;
    bool shade = false;
    bool landscape = false;
    bool requireSignature = false;
    // The verification page links to the signed PDF as kept.
    bool verifyOffersPdf = false;
    // The time-stamp service every signature is stamped by; empty for none.
    QString tsaUrl;
    // Where an issued page's QR code leads: "BASE/c/TRACKING?k=CODE".
    QString verifyBaseUrl;
    // Minutes without input before the sign-in panel covers the window
    // again; 0 for never.
    static constexpr int defaultIdleLockMinutes = 15;
    int idleLockMinutes = defaultIdleLockMinutes;

    // Landscape is any stored orientation above 1, as printing reads it;
    // null, "1", "0" or a text are portrait.
    static bool isLandscape(const QVariant &user1);

    static void load(DataView &defaults, SetupSettings &settings);
    // Read afresh: another workstation may have changed it. Off when it
    // cannot be read or was never set.
    static bool signatureRequired(DataView &defaults);
    // Read afresh too; empty when none is set, nullopt when it cannot be
    // read (nothing may then be signed without a stamp it might ask for).
    static std::optional<QString> timeStampService(DataView &defaults);
    // Read afresh; empty when never set or unreadable.
    static QString verifyBase(DataView &defaults);
    // Read afresh; the default when never set or unreadable.
    static int idleLock(DataView &defaults);
    // Orientation is stored as "1" or "2" only; an empty alternate
    // organisation as one blank.
    static DbStatus store(DataView &defaults, const SetupSettings &settings);
};

} // namespace arc
