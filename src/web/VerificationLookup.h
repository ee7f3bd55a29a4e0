#pragma once

#include "Verification.h"

namespace arc {

class WebSource;

// Finds the issued certificate a verification address names: its tracking
// number as issued and the code made from the content hash its issue log
// keeps. Anything that does not name one exactly is NoMatch, whatever it
// is; a register that cannot be read is Unavailable.
class VerificationLookup {
public:
    // Longer tracking numbers are never stored.
    static constexpr int kMaxTracking = 15;

    static Verification find(WebSource &source, const QString &tracking, const QString &code);
};

} // namespace arc
