#pragma once

#include "DbStatus.h"

#include <QString>

namespace arc {

// A data folder of many made-up certificates, for measuring the program
// against the size a long-used installation reaches. The same count always
// gives the same certificates.
class LargeFolder {
public:
    // Make the data files in `dataPath` (an existing folder without data
    // files, ending with "/"): the demo reference data and `certificates`
    // certificates of six to ten lines each, eight on average.
    static DbStatus generate(const QString &dataPath, int certificates);
};

} // namespace arc
