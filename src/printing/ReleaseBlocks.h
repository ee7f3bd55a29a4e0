#pragma once

#include "CertificatePage.h"

namespace arc {

class PageWriter;

namespace ReleaseBlocks {

// Blocks 13 and 14 with the grey over the one that does not apply, the
// signatures under their labels and the four check boxes.
void print(PageWriter &writer, const CertificatePage &page);

} // namespace ReleaseBlocks

} // namespace arc
