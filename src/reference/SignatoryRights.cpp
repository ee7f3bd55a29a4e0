#include "SignatoryRights.h"

#include "Passwords.h"

namespace arc::SignatoryRights {

Opening onOpening(bool ownRowFound, bool administrator, bool master, bool noneStored)
{
    if (noneStored)
        return Opening::FirstSignatory;
    if (!ownRowFound)
        return master ? Opening::Administrator : Opening::Refused;
    return administrator ? Opening::Administrator : Opening::OwnRowOnly;
}

bool mayChooseYes(bool administering, const QString &adminPassword, bool administratorExists)
{
    return administering || Passwords::isOpeningMaster(adminPassword, administratorExists);
}

Deleting mayDelete(bool administering, bool adding, qint64 chosenRow, std::optional<qint64> signedInRow)
{
    if (adding || chosenRow == 0 || !administering)
        return Deleting::Nothing;
    return signedInRow == chosenRow ? Deleting::SignedIn : Deleting::Allowed;
}

} // namespace arc::SignatoryRights

namespace arc::SignatoryRights {

Certifying mayCertify(bool administering, qint64 chosenRow, std::optional<qint64> signedInRow)
{
    if (chosenRow == 0)
        return Certifying::Nothing;
    return administering || signedInRow == chosenRow ? Certifying::Allowed : Certifying::Refused;
}

} // namespace arc::SignatoryRights
