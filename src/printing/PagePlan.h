#pragma once

#include "ContinuationSheet.h"

#include <QList>
#include <QStringList>

namespace arc {

class PageCanvas;
struct CertificatePage;
struct PageGeometry;
struct PrintMode;

// What of a certificate the form's page prints and what continuation
// sheets carry: the items that fit above block 12, then block 12's lines,
// the rest in order on the sheets. Nothing is left out.
struct PagePlan {
    // The item lines the form prints (every slot when all fit).
    ItemSlots formItems;
    // Block 12 fitted to its box as it always was: shrunk if it must, on
    // a page without sheets.
    bool remarksFitted = true;
    // Otherwise block 12's lines on the form at its size, before the line
    // that refers to the sheets (when there are any).
    QStringList formRemarks;
    QList<ContinuationSheet> sheets;

    // Measured on `canvas`; `remarksSize` is block 12's size.
    static PagePlan of(PageCanvas &canvas, const PageGeometry &g, const PrintMode &mode, const CertificatePage &page,
                       double remarksSize);

    // Block 12's box: where its lines start, how wide they wrap, and the
    // top of its first line below its label.
    static float remarksX(const PageGeometry &g);
    static float remarksWidth(const PageGeometry &g);
    static double remarksTop(PageCanvas &canvas, const PageGeometry &g, const PrintMode &mode);
};

} // namespace arc
