#include "FormAuthority.h"

#include "BlankRule.h"
#include "FormNames.h"

namespace arc::FormAuthority {

std::optional<QString> block1(const QString &form, const OrganizationEntry *organisation)
{
    if (FormNames::isFaa(form))
        return std::nullopt;
    if (!organisation)
        return QString();
    const auto set = [](const QString &text) { return !BlankRule::isBlank(text); };
    if (FormNames::isUk(form))
        return set(organisation->ukAuthority)
                   ? QStringLiteral("%1 / United Kingdom").arg(organisation->ukAuthority.trimmed())
                   : QString();
    const QString authority = organisation->easaAuthority.trimmed();
    if (!set(authority))
        return QString();
    if (authority.compare(QLatin1String("EASA"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("EASA");
    if (!set(organisation->easaCountry))
        return authority;
    return QStringLiteral("%1 / %2").arg(authority, organisation->easaCountry.trimmed());
}

} // namespace arc::FormAuthority
