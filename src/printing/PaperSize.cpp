#include "PaperSize.h"

#include "FormNames.h"

namespace arc::PaperSize {

Paper forForm(const QString &form) { return FormNames::isFaa(form) ? Paper::Letter : Paper::A4; }

std::optional<Paper> fromStored(const QString &text)
{
    for (const Paper paper : {Paper::Letter, Paper::A4})
        if (text.trimmed().compare(stored(paper), Qt::CaseInsensitive) == 0)
            return paper;
    return std::nullopt;
}

QString stored(Paper paper) { return paper == Paper::A4 ? QStringLiteral("A4") : QStringLiteral("Letter"); }

QPageSize pageSize(Paper paper) { return QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter); }

QSizeF portraitPrintable(Paper paper)
{
    // One point is 20 twips; a quarter inch is 360.
    const QSizeF points = pageSize(paper).size(QPageSize::Point);
    return {points.width() * 20 - 720, points.height() * 20 - 720};
}

} // namespace arc::PaperSize
