#pragma once

#include "ReferenceLists.h"

#include <optional>

namespace arc {

// Who is signed in, as sign-in tells the window.
struct SignedInAs {
    // Nobody before sign-in and after the master password.
    std::optional<AgentEntry> signatory;
    bool master = false;
    // His pages are signed: with the key opened at sign-in, or on his token.
    bool signsPages = false;
};

} // namespace arc
