#pragma once

#include "QrMatrix.h"

#include <QRectF>
#include <optional>

namespace arc {

class PageCanvas;
class PageWriter;
struct CertificatePage;

// The QR code an issued page carries, drawn as dark squares in space the
// form leaves blank: under the frame beside the footer, or else in block 3
// right of the number, or else beside the frame; never over a text or a
// ruling, with a quiet zone of four modules around it, at least 15 mm wide
// on the sheet. Under the frame its quiet zone may reach past the sheet's
// foot into the paper's margin, where nothing is printed.
class VerificationMark {
public:
    static constexpr int kQuietModules = 4;
    // The code's width on the sheet, in twips: 15.5 mm.
    static constexpr double kSheetWidth = 15.5 / 25.4 * 1440;

    // Where the code of `modules` modules a side goes on the page being
    // written (page twips, before the sheet fit), its quiet zone left out.
    static QRectF place(PageWriter &p, const CertificatePage &page, int modules);

    // Draws the page's code, if it has one; the square it lies in, in
    // page twips.
    static std::optional<QRectF> print(PageWriter &p, const CertificatePage &page);

    // The dark modules of `code` as squares filling `square`.
    static QList<QRectF> squares(const QrMatrix &code, const QRectF &square);
};

} // namespace arc
