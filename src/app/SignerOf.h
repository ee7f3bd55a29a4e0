#pragma once

#include "PageFromScreen.h"
#include "SignIn.h"

namespace arc {

// The signed-in signatory as the page names him; no one after the master
// password.
inline PageSigner signerOf(const SignIn &signIn)
{
    if (!signIn.signatory())
        return {};
    return {signIn.signatory()->name, signIn.signature()};
}

} // namespace arc
