#include "SheetFit.h"

#include <algorithm>

namespace arc {

QRectF SheetFit::map(const QRectF &onPage) const
{
    return QRectF(onPage.x() * scale + dx, onPage.y() * scale + dy, onPage.width() * scale, onPage.height() * scale);
}

SheetFit SheetFit::of(const QSizeF &page, const QSizeF &sheet)
{
    if (page.width() <= 0 || page.height() <= 0 || (page.width() <= sheet.width() && page.height() <= sheet.height()))
        return {};
    const double scale = std::min(sheet.width() / page.width(), sheet.height() / page.height());
    return {scale, (sheet.width() - page.width() * scale) / 2, (sheet.height() - page.height() * scale) / 2};
}

} // namespace arc
