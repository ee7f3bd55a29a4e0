#pragma once

#include "DbStatus.h"

#include <QString>
#include <memory>

namespace benchmark {
class State;
}

namespace arc {
class DataFolder;
}

namespace arc::bench {

// The two data sources the speed figures stand side by side on: the large
// data folder, and the same certificates moved into a PostgreSQL server.
enum class Source { Folder, Server };

// The folder (ending with "/") or the server's URI; empty when it could
// not be made, with the reason in `status`.
const QString &sourcePath(Source source, DbStatus *status = nullptr);

// The source opened; null, with the benchmark skipped and told why, when
// it cannot be.
std::unique_ptr<DataFolder> openedSource(Source source, benchmark::State &state);

} // namespace arc::bench
