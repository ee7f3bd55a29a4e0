#include "BenchSource.h"

#include "BenchFolder.h"
#include "BenchServer.h"

namespace arc::bench {

const QString &sourcePath(Source source, DbStatus *status)
{
    return source == Source::Folder ? BenchFolder::path(status) : BenchServer::uri(status);
}

} // namespace arc::bench
