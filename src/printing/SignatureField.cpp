#include "SignatureField.h"

namespace arc {

QRectF signatureField(const QRectF &twips, const QPageLayout &drawnOn)
{
    const QRectF printable = drawnOn.paintRect(QPageLayout::Point);
    const double sheetHeight = drawnOn.fullRect(QPageLayout::Point).height();
    // One point is 20 twips; PDF counts upwards from the bottom edge.
    const double left = printable.left() + twips.left() / 20.0;
    const double bottom = sheetHeight - (printable.top() + twips.bottom() / 20.0);
    return {left, bottom, twips.width() / 20.0, twips.height() / 20.0};
}

} // namespace arc
