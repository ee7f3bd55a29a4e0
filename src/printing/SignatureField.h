#pragma once

#include <QPageLayout>
#include <QRectF>

namespace arc {

// A box drawn on a page (twips from the top-left corner of its printable
// area) as a PDF places it: points from the sheet's lower-left corner, in
// the orientation the page was drawn in.
QRectF signatureField(const QRectF &twips, const QPageLayout &drawnOn);

} // namespace arc
