#pragma once

#include "SignatureStore.h"

#include <memory>

namespace arc {

class DataFolder;

// Where the open data source keeps its signatures: the data folder itself,
// the Files table of a server database.
std::unique_ptr<SignatureStore> signaturesOf(DataFolder &source);

} // namespace arc
