#pragma once

#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <optional>

namespace arc {

// The sheets a certificate prints on.
enum class Paper { Letter, A4 };

namespace PaperSize {

// The paper of a certificate printed as `form`: A4 for the EASA and UK
// forms, Letter for the FAA form.
Paper forForm(const QString &form);
// The paper an organisation keeps ("Letter" or "A4", in any case and
// with blanks around); none for anything else, the form's then.
std::optional<Paper> fromStored(const QString &stored);
QString stored(Paper paper);
QPageSize pageSize(Paper paper);
// The printable area upright, quarter-inch margins all round, in twips.
QSizeF portraitPrintable(Paper paper);

} // namespace PaperSize

} // namespace arc
