#pragma once

#include <QRectF>
#include <QSizeF>

namespace arc {

// Where the drawn page lies on the sheet: page positions are scaled by
// `scale` and then moved by (dx, dy), all in twips of the printable area.
struct SheetFit {
    double scale = 1;
    double dx = 0;
    double dy = 0;

    QRectF map(const QRectF &onPage) const;

    // A page of `page` size, from the origin, shrunk uniformly into `sheet`
    // and centred there when it is larger in either direction; left where
    // it is when it fits.
    static SheetFit of(const QSizeF &page, const QSizeF &sheet);

    bool operator==(const SheetFit &) const = default;
};

} // namespace arc
