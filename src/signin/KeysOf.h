#pragma once

#include "KeyStore.h"

#include <memory>

namespace arc {

class DataFolder;

// Where the open data source keeps its signing keys: the Keys folder of a
// data folder, the Files table of a server database.
std::unique_ptr<KeyStore> keysOf(DataFolder &source);

} // namespace arc
