#pragma once

#include "CertificatePage.h"

#include <QByteArray>
#include <vector>

class QPagedPaintDevice;

namespace arc {

// Certificate pages as the print command makes them, one after another in
// one job: the bytes of one PDF file (Letter, quarter-inch margins), or on
// a printer. False or empty when the job could not be made.
namespace PagesPdf {

QByteArray bytes(const std::vector<CertificatePage> &pages);
bool print(QPagedPaintDevice &device, const std::vector<CertificatePage> &pages);

} // namespace PagesPdf

} // namespace arc
