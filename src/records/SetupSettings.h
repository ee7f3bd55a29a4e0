#pragma once

#include "DataView.h"

namespace arc {

// What the set-up panel keeps in the main row of Defaults: the alternate
// organisation text and the print settings.
struct SetupSettings {
    QString organ2;
    bool shade = false;
    bool landscape = false;

    // Landscape is any stored orientation above 1, as printing reads it;
    // null, "1", "0" or a text are portrait.
    static bool isLandscape(const QVariant &user1);

    static void load(DataView &defaults, SetupSettings &settings);
    // Orientation is stored as "1" or "2" only; an empty alternate
    // organisation as one blank.
    static DbStatus store(DataView &defaults, const SetupSettings &settings);
};

} // namespace arc
