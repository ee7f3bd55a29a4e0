#include "SignatoryKeys.h"

#include "DataFolder.h"
#include "ReferenceLists.h"
#include "ShopAuthority.h"

namespace arc::SignatoryKeys {

QString removedByReset(const QString &name)
{
    return QStringLiteral("The signing key of %1 was removed with the old password: %1 needs a new signing "
                          "certificate.")
        .arg(name);
}

QString authorityName(DataFolder &source)
{
    const QList<OrganizationEntry> organizations = ReferenceLists::organizations(source.organizations());
    if (organizations.isEmpty() || organizations.first().name.trimmed().isEmpty())
        return ShopAuthority::defaultName();
    return organizations.first().name.trimmed();
}

} // namespace arc::SignatoryKeys
