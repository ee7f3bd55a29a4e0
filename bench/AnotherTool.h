#pragma once

#include "DbStatus.h"

namespace arc {
class Database;
}

namespace arc::bench {

// Every certificate and line written again as another program writes them,
// with plain INSERTs: deleted, then inserted with the same keys from a copy
// the connection takes on first use. The engine's triggers are all that
// keeps the copies for searching, as with any other program.
DbStatus rewriteAsAnotherTool(Database &db);

} // namespace arc::bench
