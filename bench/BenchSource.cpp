#include "BenchSource.h"

#include "BenchFolder.h"
#include "BenchServer.h"
#include "DataFolder.h"

#include <benchmark/benchmark.h>

namespace arc::bench {

const QString &sourcePath(Source source, DbStatus *status)
{
    return source == Source::Folder ? BenchFolder::path(status) : BenchServer::uri(status);
}

std::unique_ptr<DataFolder> openedSource(Source source, benchmark::State &state)
{
    DbStatus s;
    const QString &path = sourcePath(source, &s);
    auto folder = std::make_unique<DataFolder>();
    if (s.ok())
        s = folder->open(path);
    if (!s.ok()) {
        state.SkipWithError(s.detail().toUtf8().constData());
        return nullptr;
    }
    return folder;
}

} // namespace arc::bench
