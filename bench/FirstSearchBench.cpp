// The first search after another program wrote 100 000 certificates with
// plain INSERTs: it folds what the engine's triggers could not. On the
// SQLite data folder and on the same data in a server.

#include "AnotherTool.h"
#include "BenchFolder.h"
#include "BenchServer.h"
#include "CertificateSearch.h"
#include "DataFolder.h"

#include <benchmark/benchmark.h>

namespace {

using arc::bench::BenchFolder;
using arc::bench::BenchServer;

enum class Source { Folder, Server };

void FirstSearchAfterAnotherTool(benchmark::State &state, Source source)
{
    arc::DbStatus s;
    const QString path = source == Source::Folder ? BenchFolder::path(&s) : BenchServer::uri(&s);
    arc::DataFolder folder;
    if (s.ok())
        s = folder.open(path);
    for (auto _ : state) {
        state.PauseTiming();
        if (s.ok())
            s = arc::bench::rewriteAsAnotherTool(folder.certificates());
        state.ResumeTiming();
        if (s.ok())
            s = arc::CertificateSearch::show(folder, {{"Detail", "PartNum", "CR-620", {}}});
        if (s.ok())
            s = folder.header().moveFirst();
        if (s.ok() && !folder.header().hasRow())
            s = arc::DbStatus::failure(arc::DbCondition::ItemNotFound, QStringLiteral("nothing found"));
        if (!s.ok()) {
            state.SkipWithError(s.detail().toUtf8().constData());
            break;
        }
    }
}
BENCHMARK_CAPTURE(FirstSearchAfterAnotherTool, SQLite, Source::Folder)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(FirstSearchAfterAnotherTool, PostgreSQL, Source::Server)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace
