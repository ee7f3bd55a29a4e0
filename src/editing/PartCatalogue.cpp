#include "PartCatalogue.h"

namespace arc::PartCatalogue {

std::optional<CataloguePart> lookUp(DataView &parts, const QString &partNumber)
{
    // Bound, and compared exactly: quotes and wildcards are just characters.
    DbStatus s = parts.findFirst(QStringLiteral("\"PartNumber\" = ?"), {partNumber});
    if (s.is(DbCondition::PendingChange)) {
        if (s = parts.refresh(); s.ok())
            s = parts.findFirst(QStringLiteral("\"PartNumber\" = ?"), {partNumber});
    }
    if (!s.ok() || parts.noMatch() || !parts.hasRow())
        return std::nullopt;
    return CataloguePart{parts.text(QStringLiteral("Description")),
                         parts.text(QStringLiteral("PMA_PartNumber")),
                         {parts.text(QStringLiteral("S1")), parts.text(QStringLiteral("S2")),
                          parts.text(QStringLiteral("S3"))}};
}

} // namespace arc::PartCatalogue
