#pragma once

#include "CertificatePage.h"
#include "PaperSize.h"
#include "PrintCertificate.h"

#include <QByteArray>
#include <QRectF>
#include <functional>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace arc {

// Certificate pages as the print command makes them, one after another in
// one job: the bytes of one PDF file (the first certificate's paper,
// quarter-inch margins), or on a printer. False or empty when the job could
// not be made.
namespace PagesPdf {

// `signatureField`, if given, is set to where the signature lies on a
// file of one page, in PDF points (null when none is drawn), so that the
// page can be signed there.
QByteArray bytes(const std::vector<CertificatePage> &pages, QRectF *signatureField = nullptr);
// The same on `paper`, whatever the certificates' forms.
QByteArray bytesOn(Paper paper, const std::vector<CertificatePage> &pages);
bool print(QPagedPaintDevice &device, const std::vector<CertificatePage> &pages,
           std::optional<PrintResult> *lastPage = nullptr);

// The bytes of the PDF file `draw` paints (false: it failed), set up as
// every page this program writes is, on `paper`; with `signatureField` as
// above, from the last certificate drawn.
QByteArray written(const std::function<bool(QPagedPaintDevice &, std::optional<PrintResult> &)> &draw,
                   QRectF *signatureField, Paper paper = Paper::Letter);

} // namespace PagesPdf

} // namespace arc
