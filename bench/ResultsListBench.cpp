// The list of results of a search that finds a fifth of the large
// source's certificates, the new parts (200 000 of them with
// ARC_BENCH_CERTIFICATES=1000000): from the click to its first rows and
// the count of what is read with them; the whole count, as the list tells
// it while idle; and from a click on a column's title to the first rows in
// that order.

#include "BenchSource.h"
#include "CertificateSearch.h"
#include "DataFolder.h"
#include "FoldedCopies.h"
#include "FoundCertificatesModel.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using arc::bench::Source;

// A fifth of the certificates release new parts, on every line.
const std::vector<arc::SearchCondition> kNewParts = {{"Detail", "Status", "NEW", {}}};

std::unique_ptr<arc::DataFolder> searched(benchmark::State &state, Source source)
{
    std::unique_ptr<arc::DataFolder> folder = arc::bench::openedSource(source, state);
    if (folder && !arc::FoldedCopies::bringUpToDate(folder->certificates()).ok()) {
        state.SkipWithError("the copies for searching could not be folded");
        return nullptr;
    }
    return folder;
}

void ListFirstRowsAndCount(benchmark::State &state, Source source)
{
    std::unique_ptr<arc::DataFolder> folder = searched(state, source);
    if (!folder)
        return;
    arc::FoundCertificatesModel model(100);
    for (auto _ : state) {
        if (!arc::CertificateSearch::show(*folder, kNewParts).ok()
            || !model.show(std::make_unique<arc::FoundCertificates>(folder->header(), &folder->reads())).ok()) {
            state.SkipWithError("the search failed");
            return;
        }
        benchmark::DoNotOptimize(model.index(0, 0).data());
    }
    state.counters["found"] = model.count();
}
BENCHMARK_CAPTURE(ListFirstRowsAndCount, SQLite, Source::Folder)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListFirstRowsAndCount, PostgreSQL, Source::Server)->Unit(benchmark::kMillisecond);

void CountEveryCertificateFound(benchmark::State &state, Source source)
{
    std::unique_ptr<arc::DataFolder> folder = searched(state, source);
    if (!folder)
        return;
    int counted = 0;
    for (auto _ : state) {
        arc::FoundCertificates found(folder->header(), &folder->reads());
        arc::DbStatus s = arc::CertificateSearch::show(*folder, kNewParts);
        if (s.ok())
            s = found.start();
        while (s.ok() && !found.counted())
            s = found.countOn();
        if (!s.ok()) {
            state.SkipWithError("the search failed");
            return;
        }
        counted = found.count();
    }
    state.counters["found"] = counted;
}
BENCHMARK_CAPTURE(CountEveryCertificateFound, SQLite, Source::Folder)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(CountEveryCertificateFound, PostgreSQL, Source::Server)->Unit(benchmark::kMillisecond)->Iterations(3);

// The search made once; each round lists it afresh and sorts by a column.
void ListSortedByColumn(benchmark::State &state, Source source)
{
    std::unique_ptr<arc::DataFolder> folder = searched(state, source);
    if (!folder || !arc::CertificateSearch::show(*folder, kNewParts).ok()) {
        state.SkipWithError("no search");
        return;
    }
    const int column = static_cast<int>(state.range(0));
    arc::FoundCertificatesModel model(100);
    for (auto _ : state) {
        state.PauseTiming();
        (void)model.show(std::make_unique<arc::FoundCertificates>(folder->header(), &folder->reads()));
        state.ResumeTiming();
        model.sort(column, Qt::DescendingOrder);
        benchmark::DoNotOptimize(model.index(0, 0).data());
    }
    state.counters["found"] = model.count();
}
BENCHMARK_CAPTURE(ListSortedByColumn, SQLite, Source::Folder)
    ->ArgName("column")->DenseRange(0, arc::FoundCertificatesModel::Columns - 1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(ListSortedByColumn, PostgreSQL, Source::Server)
    ->ArgName("column")->DenseRange(0, arc::FoundCertificatesModel::Columns - 1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
