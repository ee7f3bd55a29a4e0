#pragma once

#include "DbStatus.h"

#include <QString>

namespace arc {

// A small data folder to look around in: the demo reference data and a
// handful of stored certificates of every kind.
class DemoFolder {
public:
    // Make the data files in `dataPath` (an existing folder, ending with
    // "/") and fill them. A folder that already has its certificates file
    // is left alone and counts as seeded.
    static DbStatus seed(const QString &dataPath);
};

} // namespace arc
