#pragma once

#include "ReferenceLists.h"

#include <QString>
#include <optional>

namespace arc::FormAuthority {

// Block 1 of an EASA or UK form, from the organisation issuing it: "EASA"
// when the Agency is its authority, else "authority / country"; "CAA /
// United Kingdom" for a UK form. Empty when no organisation is chosen or
// it has no such authority set: never the FAA's. None for the FAA form,
// whose block 1 is the defaults' authority.
std::optional<QString> block1(const QString &form, const OrganizationEntry *organisation);

} // namespace arc::FormAuthority
