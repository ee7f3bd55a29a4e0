#pragma once

#include "LegacyConverter.h"

namespace arc {

// Moves a data folder (SQLite files, or the Access files of the earlier
// program) into a server database that holds no data yet. The folder is
// never changed: its files are copied aside and converted or upgraded
// there. Every row is written in one transaction on the server and read
// back and compared field by field before it is committed, so a failure
// leaves the server as it was. The signature bitmaps directly in the
// folder go into the server's Files table.
class ServerImport {
public:
    static ConversionReport run(const QString &folder, const QString &serverUri);
};

} // namespace arc
