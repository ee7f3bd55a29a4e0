#pragma once

#include "ProgramFolders.h"

#include <QStringList>

namespace arc {

class Database;

// Where a file the program writes for the user (the register) must never
// go: over the data source's own files, or into the folders that hold its
// signing keys and issued pages.
namespace ExportTarget {

struct Guarded {
    QStringList files;   // the data files and the set-up files
    QStringList folders; // Keys/ and Issued/ of the data folder
};

// What a data folder (empty for a server) and the program's folders guard.
Guarded of(const QString &dataFolder, const ProgramFolders &program);
// The same for the data source whose certificates file is open, with the
// folders of the running program.
Guarded of(const Database &certificates);

// Why `path` may not be written, empty when it may. Links are followed to
// the file they end at, and files and folders are compared by device and
// inode, so no other name for a guarded file or folder passes.
QString refusal(const QString &path, const Guarded &guarded);

} // namespace ExportTarget

} // namespace arc
