#pragma once

#include "DbStatus.h"

namespace arc {

class WebSource;
struct Verification;

// Whether the certificate that signed an issued page had been withdrawn by
// the shop's authority by the time of the issue: the signer as the kept PDF
// names it, the withdrawal as the authority's revocation list dates it.
namespace WithdrawnSigner {

// The largest page read to find its signer.
constexpr qint64 kMaxPdfBytes = 64 * 1024 * 1024;

// Sets `v.withdrawnSigner`. A page, authority or list that is not kept, or
// not readable as one, withdraws nothing; a failing register is the
// failure returned.
DbStatus check(WebSource &source, Verification &v);

} // namespace WithdrawnSigner
} // namespace arc
