#pragma once

#include "ProgramFolders.h"

namespace arc::ProgramFolder {

// The folder of the executable, with the per-user application data folder
// for what cannot be written there (an installed program).
ProgramFolders locate();
// The same for a program in the given folder.
ProgramFolders locate(const QString &executableFolder);

// A folder the system's packages install programs into: nothing is written
// there, even by root, who may write anywhere.
bool isSystemFolder(const QString &folder);

// A folder path as stored: ending with "/" (a root "/" stays as it is).
QString withSlash(const QString &folder);

} // namespace arc::ProgramFolder
