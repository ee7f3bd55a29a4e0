#pragma once

#include "RemarksInputs.h"

#include <functional>

namespace arc::RemarksBuilder {

inline const QString kNotExport = QStringLiteral("AIRWORTHINESS APPROVAL - PARTS. THIS FORM IS NOT AN EXPORT APPROVAL");
inline const QString kExportDestination = QStringLiteral("EXPORT Destination: ");
inline const QString kForwardingHouse = QStringLiteral("FORWARDING HOUSE:  ");
inline const QString kAssembly =
    QStringLiteral("The above part is approved for installation under assembly part number(s): ");
inline const QString kDualRelease = QStringLiteral(
    "Certifies that the work specified in block 12/13 was carried out in accordance with EASA 145 and with respect "
    "to that work, the aircraft component is considered ready for release to service under EASA Acceptance "
    "Certificate number: ");

// The stored text of a stamp code, or nullopt when there is none or it
// cannot be read (the stamp is then left out).
using StampLookUp = std::function<std::optional<QString>(const QString &code)>;

// Whether the status takes the new-part recipe: "NEW", "PROTOTYPE", or the
// single blank an empty status is stored as. Anything else, an empty
// status too, takes the maintenance recipe.
bool isNewPart(const QString &status);

// Block 12 as composed from `in`, lines broken with CR LF.
QString compose(const RemarksInputs &in, const StampLookUp &stampText);

} // namespace arc::RemarksBuilder
