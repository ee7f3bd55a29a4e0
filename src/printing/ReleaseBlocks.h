#pragma once

#include "CertificatePage.h"

#include <QRectF>
#include <optional>

namespace arc {

class PageWriter;

namespace ReleaseBlocks {

// Blocks 13 and 14 with the grey over the one that does not apply, the
// signatures under their labels and the four check boxes. Returns the box
// of the signature printed (twips on the page), the one of the block that
// applies when both carry it; nullopt when neither does.
std::optional<QRectF> print(PageWriter &writer, const CertificatePage &page);

} // namespace ReleaseBlocks

} // namespace arc
