#include "FormApproval.h"

#include "BlankRule.h"
#include "FormNames.h"

namespace arc::FormApproval {

Authority of(const QString &form)
{
    if (FormNames::isFaa(form))
        return Authority::Faa;
    return FormNames::isUk(form) ? Authority::Uk : Authority::Easa;
}

QString name(Authority authority)
{
    switch (authority) {
    case Authority::Faa: return QStringLiteral("FAA");
    case Authority::Easa: return QStringLiteral("EASA");
    case Authority::Uk: return QStringLiteral("UK CAA");
    }
    return {};
}

QString number(const OrganizationEntry &organisation, Authority authority)
{
    const QString &kept = authority == Authority::Faa    ? organisation.certificateNum
                          : authority == Authority::Easa ? organisation.jaaNum
                                                         : organisation.ukNum;
    return BlankRule::isBlank(kept) ? QString() : kept.trimmed();
}

Authority other(Authority authority) { return authority == Authority::Faa ? Authority::Easa : Authority::Faa; }

QString block14c(const QString &form, const OrganizationEntry &organisation)
{
    return number(organisation, of(form));
}

QString block13c(const QString &form, const QString &signatoryNumber, const OrganizationEntry *organisation)
{
    const Authority authority = of(form);
    if (authority == Authority::Faa || !BlankRule::isBlank(signatoryNumber) || !organisation)
        return signatoryNumber;
    return number(*organisation, authority);
}

} // namespace arc::FormApproval
