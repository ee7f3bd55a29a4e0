#pragma once

#include "DataView.h"

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
    // Where an issued page's QR code leads: "BASE/c/TRACKING?k=CODE".
    QString verifyBaseUrl;

    // Landscape is any stored orientation above 1, as printing reads it;
    // null, "1", "0" or a text are portrait.
    static bool isLandscape(const QVariant &user1);

    static void load(DataView &defaults, SetupSettings &settings);
    // Read afresh: another workstation may have changed it. Off when it
    // cannot be read or was never set.
    static bool signatureRequired(DataView &defaults);
    // Read afresh; empty when never set or unreadable.
    static QString verifyBase(DataView &defaults);
    // Orientation is stored as "1" or "2" only; an empty alternate
    // organisation as one blank.
    static DbStatus store(DataView &defaults, const SetupSettings &settings);
};

} // namespace arc
