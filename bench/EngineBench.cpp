// Save, step and find on the large folder's 100 000 certificates, on the
// SQLite data folder and on the same data moved into a PostgreSQL server,
// so the two stand side by side.

#include "BenchSource.h"
#include "CertificateSearch.h"
#include "CertificateStore.h"
#include "DataFolder.h"

#include <benchmark/benchmark.h>

namespace {

using arc::bench::Source;

// The data source opened, with the searched copies folded once beforehand,
// as a program that has searched before finds them; null with the reason.
std::unique_ptr<arc::DataFolder> open(Source source, benchmark::State &state)
{
    auto folder = arc::bench::openedSource(source, state);
    if (!folder)
        return nullptr;
    arc::DbStatus s = arc::CertificateSearch::show(*folder, {{"Header", "Tracking", "0", {}}});
    if (s.ok())
        s = folder->header().refresh();
    folder->header().showWholeTable();
    if (s.ok())
        s = folder->header().moveFirst();
    if (!s.ok()) {
        state.SkipWithError(s.detail().toUtf8().constData());
        return nullptr;
    }
    return folder;
}

arc::CertificateEntries tenLines()
{
    arc::CertificateEntries e;
    e.tracking = "B-000001";
    e.remarks = "Overhauled in accordance with the current CMM.";
    for (int r = 0; r < arc::kGridRows; ++r)
        e.lines[static_cast<size_t>(r)] = {QString::number(r + 1), "Fuel control unit", "PN-2231-7", "1",
                                           QString("SN%1").arg(r), "OVERHAULED", {}};
    return e;
}

void SaveNewWithTenLines(benchmark::State &state, Source source)
{
    auto folder = open(source, state);
    if (!folder)
        return;
    arc::CertificateStore store(*folder);
    const arc::CertificateEntries e = tenLines();
    for (auto _ : state) {
        qint64 key = 0;
        if (const arc::DbStatus s = store.save(e, true, key); !s.ok()) {
            state.SkipWithError(s.detail().toUtf8().constData());
            break;
        }
    }
}
BENCHMARK_CAPTURE(SaveNewWithTenLines, SQLite, Source::Folder)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveNewWithTenLines, PostgreSQL, Source::Server)->Unit(benchmark::kMillisecond);

void SaveUpdate(benchmark::State &state, Source source)
{
    auto folder = open(source, state);
    if (!folder)
        return;
    arc::CertificateStore store(*folder);
    arc::CertificateEntries e = tenLines();
    qint64 key = 0;
    if (const arc::DbStatus s = store.save(e, true, key); !s.ok()) {
        state.SkipWithError(s.detail().toUtf8().constData());
        return;
    }
    for (auto _ : state) {
        if (const arc::DbStatus s = store.save(e, false, key); !s.ok()) {
            state.SkipWithError(s.detail().toUtf8().constData());
            break;
        }
    }
}
BENCHMARK_CAPTURE(SaveUpdate, SQLite, Source::Folder)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveUpdate, PostgreSQL, Source::Server)->Unit(benchmark::kMillisecond);

// One step of the certificate screen: move, read the header and its lines.
void StepNext(benchmark::State &state, Source source)
{
    auto folder = open(source, state);
    if (!folder)
        return;
    arc::CertificateStore store(*folder);
    arc::DataView &header = folder->header();
    arc::ItemSlots lines;
    for (auto _ : state) {
        arc::DbStatus s = header.moveNext();
        if (s.ok() && !header.hasRow())
            s = header.moveFirst();
        const arc::CertificateHeader h = store.currentHeader();
        if (s.ok())
            s = store.loadLines(h.formIndex, lines);
        if (!s.ok()) {
            state.SkipWithError(s.detail().toUtf8().constData());
            break;
        }
        benchmark::DoNotOptimize(h);
    }
}
BENCHMARK_CAPTURE(StepNext, SQLite, Source::Folder)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StepNext, PostgreSQL, Source::Server)->Unit(benchmark::kMicrosecond);

// A search and the first certificate it found shown.
void Find(benchmark::State &state, Source source, const char *table, const char *field, const char *prefix)
{
    auto folder = open(source, state);
    if (!folder)
        return;
    arc::CertificateStore store(*folder);
    arc::ItemSlots lines;
    for (auto _ : state) {
        arc::DbStatus s = arc::CertificateSearch::show(*folder, {{table, field, prefix, {}}});
        if (s.ok())
            s = folder->header().moveFirst();
        if (s.ok())
            s = store.loadLines(store.currentHeader().formIndex, lines);
        if (!s.ok()) {
            state.SkipWithError(s.detail().toUtf8().constData());
            break;
        }
    }
}
BENCHMARK_CAPTURE(Find, PartNumberPrefix_SQLite, Source::Folder, "Detail", "PartNum", "NF1180")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Find, PartNumberPrefix_PostgreSQL, Source::Server, "Detail", "PartNum", "NF1180")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Find, Tracking_SQLite, Source::Folder, "Header", "Tracking", "050000")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Find, Tracking_PostgreSQL, Source::Server, "Header", "Tracking", "050000")
    ->Unit(benchmark::kMillisecond);

} // namespace
