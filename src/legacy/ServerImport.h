#pragma once

#include "LegacyConverter.h"
#include "Progress.h"

namespace arc {

// Moves a data folder (SQLite files, or the Access files of the earlier
// program) into a server database that holds no data yet. The folder is
// never changed: Access files are read where they are and converted into a
// private working folder, files in the current format are copied there to
// be upgraded; the working folder holds no password in clear and goes when
// the import ends (or at the next import, when this one was killed).
// Every row is written in one transaction on the server and read back and
// compared field by field before it is committed, so a failure leaves the
// server as it was. The signature bitmaps directly in the
// folder go into the server's Files table. The search copies are brought
// up to date before the commit. `progress` is told each table read,
// written and checked; a stop it asks for before the commit rolls back.
class ServerImport {
public:
    static ConversionReport run(const QString &folder, const QString &serverUri, const Progress &progress = {});
};

} // namespace arc
