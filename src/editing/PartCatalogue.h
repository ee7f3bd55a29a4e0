#pragma once

#include "DataView.h"
#include "ItemGridModel.h"

#include <optional>

namespace arc::PartCatalogue {

// Make the part whose number is exactly `partNumber` the catalogue view's
// current record and return what an item line takes from it.
std::optional<CataloguePart> lookUp(DataView &parts, const QString &partNumber);

} // namespace arc::PartCatalogue
