#pragma once

#include "IssueArchive.h"

#include <memory>

namespace arc {

class DataFolder;

// Where the open data source keeps issued pages: the folder Issued/ of a
// data folder, the Files table of a server database.
std::unique_ptr<IssueArchive> archiveOf(DataFolder &source);

} // namespace arc
