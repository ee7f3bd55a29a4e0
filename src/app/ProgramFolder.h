#pragma once

#include "ProgramFolders.h"

namespace arc::ProgramFolder {

// The folder of the executable, with the per-user application data folder
// for what cannot be written there (an installed program).
ProgramFolders locate();

// A folder path as stored: ending with "/" (a root "/" stays as it is).
QString withSlash(const QString &folder);

} // namespace arc::ProgramFolder
