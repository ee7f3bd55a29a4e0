#pragma once

#include <QString>

namespace arc::ProgramFolder {

// The folder of the executable, or the per-user application data folder
// when the program is installed where it cannot write.
QString locate();

// A folder path as stored: ending with "/" (a root "/" stays as it is).
QString withSlash(const QString &folder);

} // namespace arc::ProgramFolder
