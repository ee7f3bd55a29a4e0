// The records layer on a large data folder: opening it, and paging through
// its certificates one at a time as the certificate screen does.

#include "BenchApplication.h"
#include "BenchFolder.h"
#include "CertificateStore.h"
#include "DataFolder.h"

#include <benchmark/benchmark.h>

namespace {

using arc::bench::BenchFolder;

QByteArray describe(const arc::DbStatus &s)
{
    return (QStringLiteral("records error %1: ").arg(static_cast<int>(s.condition())) + s.detail()).toUtf8();
}

void OpenFolder(benchmark::State &state)
{
    arc::DbStatus s;
    const QString &path = BenchFolder::path(&s);
    if (!s.ok()) {
        state.SkipWithError(describe(s).constData());
        return;
    }
    arc::DataFolder folder;
    for (auto _ : state) {
        s = folder.open(path);
        if (!s.ok()) {
            state.SkipWithError(describe(s).constData());
            break;
        }
        state.PauseTiming();
        folder.close();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenFolder)->Unit(benchmark::kMillisecond);

// An open folder whose header cursor stands on the first or last certificate.
class OpenFolderFixture : public benchmark::Fixture {
public:
    using benchmark::Fixture::SetUp;
    using benchmark::Fixture::TearDown;

    void SetUp(benchmark::State &state) override
    {
        arc::DbStatus s;
        const QString &path = BenchFolder::path(&s);
        if (s.ok())
            s = folder.open(path);
        if (!s.ok())
            state.SkipWithError(describe(s).constData());
    }
    void TearDown(benchmark::State &) override { folder.close(); }

    // One step of the screen: move, read the header, read its lines. At the
    // end of the table the cursor starts over, as paging past it cannot.
    template <typename Move, typename Restart>
    void step(benchmark::State &state, Move move, Restart restart)
    {
        if (!folder.isOpen())
            return;
        arc::CertificateStore store(folder);
        arc::DataView &header = folder.header();
        arc::ItemSlots lines;
        int lineCount = 0;
        for (auto _ : state) {
            arc::DbStatus s = move(header);
            if (s.ok() && !header.hasRow())
                s = restart(header);
            const arc::CertificateHeader h = store.currentHeader();
            if (s.ok())
                s = store.loadLines(h.formIndex, lines);
            if (!s.ok()) {
                state.SkipWithError(describe(s).constData());
                break;
            }
            benchmark::DoNotOptimize(h);
            for (const arc::ItemLine &line : lines)
                lineCount += line.item.isEmpty() ? 0 : 1;
        }
        state.SetItemsProcessed(state.iterations());
        state.counters["lines"] = benchmark::Counter(lineCount, benchmark::Counter::kAvgIterations);
    }

    arc::DataFolder folder;
};

BENCHMARK_DEFINE_F(OpenFolderFixture, StepNext)(benchmark::State &state)
{
    step(state, [](arc::DataView &v) { return v.moveNext(); }, [](arc::DataView &v) { return v.moveFirst(); });
}
BENCHMARK_REGISTER_F(OpenFolderFixture, StepNext)->Unit(benchmark::kMicrosecond);

BENCHMARK_DEFINE_F(OpenFolderFixture, StepPrevious)(benchmark::State &state)
{
    if (!folder.isOpen())
        return; // SetUp has said why
    if (arc::DbStatus s = folder.header().moveLast(); !s.ok()) {
        state.SkipWithError(describe(s).constData());
        return;
    }
    step(state, [](arc::DataView &v) { return v.movePrevious(); }, [](arc::DataView &v) { return v.moveLast(); });
}
BENCHMARK_REGISTER_F(OpenFolderFixture, StepPrevious)->Unit(benchmark::kMicrosecond);

} // namespace
