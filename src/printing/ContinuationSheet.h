#pragma once

#include "ItemRows.h"

#include <QList>
#include <QStringList>

namespace arc {

class PageCanvas;
class PageWriter;
struct CertificatePage;
struct PageGeometry;
struct PrintMode;

// One continuation sheet: the item lines and block 12 lines the form's page
// could not hold, laid out below a heading that names the certificate, and
// never a statement, block 13 or 14 or a signature.
struct ContinuationSheet {
    QList<ItemRows::Row> rows; // the items it carries, tops in page twips
    double itemsTop = 0;       // the item block's heading; unused without rows
    double itemsBottom = 0;    // the ruling under its rows
    QStringList remarks;       // block 12 lines it carries
    double remarksTop = 0;     // the "12. Remarks (continued)" label

    // Where a sheet's parts go, the same on every sheet.
    struct Frame {
        double headingPitch; // one heading line
        double contentTop;   // below the heading's ruling
        double contentBottom;
        double footerY; // the page footer's line, the form's page's as well
    };
    static Frame frame(PageCanvas &canvas, const PageGeometry &g, const PrintMode &mode);

    // The items (rows at `itemSize`, as wide and wrapped as on the form)
    // and then the block 12 lines (at `remarksSize`) on as many sheets as
    // they take.
    static QList<ContinuationSheet> laidOut(PageCanvas &canvas, const PageGeometry &g, const PrintMode &mode,
                                            const ItemSlots &items, const QStringList &remarks, double itemSize,
                                            double remarksSize);

    // Sheet `number` of `sheets`, with the page footer.
    void print(PageWriter &p, const CertificatePage &page, int number, int sheets, double itemSize,
               double remarksSize) const;
    // "Page N of M" and the tracking number, below the form's own footer.
    static void footer(PageWriter &p, const CertificatePage &page, int pageNumber, int pages);
};

} // namespace arc
