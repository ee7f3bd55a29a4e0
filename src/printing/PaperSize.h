#pragma once

#include <QPageSize>
#include <QSizeF>
#include <QString>

namespace arc {

// The sheets a certificate prints on.
enum class Paper { Letter, A4 };

namespace PaperSize {

// The paper of a certificate printed as `form`: A4 for the EASA and UK
// forms, Letter for the FAA form.
Paper forForm(const QString &form);
QPageSize pageSize(Paper paper);
// The printable area upright, quarter-inch margins all round, in twips.
QSizeF portraitPrintable(Paper paper);

} // namespace PaperSize

} // namespace arc
