// The two long runs a person waits for with a progress dialog: 500 copies
// of a certificate stored for serial numbers in one transaction, and the
// register of the large folder's 100 000 certificates written as CSV, on
// the SQLite data folder and on the same data in a PostgreSQL server.

#include "BatchCopies.h"
#include "BenchSource.h"
#include "DataFolder.h"
#include "RegisterExport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using arc::bench::Source;

std::unique_ptr<arc::DataFolder> open(Source source, benchmark::State &state)
{
    return arc::bench::openedSource(source, state);
}

// Every iteration adds 500 certificates; the folder grows by a few per cent.
void BatchOf500(benchmark::State &state, Source source)
{
    auto folder = open(source, state);
    if (!folder)
        return;
    arc::CertificateEntries one;
    one.tracking = "B-000001";
    one.remarks = "Overhauled in accordance with the current CMM.";
    one.lines[0] = {"1", "Fuel control unit", "PN-2231-7", "1", "SN-00001", "OVERHAULED", {}};
    const QStringList serials = arc::BatchCopies::serials("SN-00001", arc::BatchCopies::kMost);
    // Told as the window's dialog is, so its cost is measured too.
    const arc::Progress counted([](const QString &, qint64, qint64) { return true; });
    for (auto _ : state) {
        const arc::BatchCopies::Result r = arc::BatchCopies::store(*folder, one, serials, counted);
        if (!r.status.ok()) {
            state.SkipWithError(r.status.detail().toUtf8().constData());
            break;
        }
    }
    state.counters["certificates"] = arc::BatchCopies::kMost;
}
BENCHMARK_CAPTURE(BatchOf500, SQLite, Source::Folder)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BatchOf500, PostgreSQL, Source::Server)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole register, or one year of it (2020) when the argument is 1.
void ExportRegister(benchmark::State &state, Source source)
{
    arc::RegisterExport::Period period;
    if (state.range(0) == 1)
        period = {QDate(2020, 1, 1), QDate(2020, 12, 31)};
    auto folder = open(source, state);
    if (!folder)
        return;
    QTemporaryDir dir;
    const QString path = dir.filePath("register.csv");
    arc::RegisterExport::Written rows;
    const arc::Progress counted([](const QString &, qint64, qint64) { return true; });
    for (auto _ : state) {
        // The export never writes over a file.
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
        if (const arc::DbStatus s = arc::RegisterExport::write(folder->certificates(), period, path, &rows, counted);
            !s.ok()) {
            state.SkipWithError(s.detail().toUtf8().constData());
            break;
        }
    }
    state.counters["lines"] = rows.lines;
    state.counters["MB"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
}
BENCHMARK_CAPTURE(ExportRegister, SQLite, Source::Folder)->ArgName("year")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(ExportRegister, PostgreSQL, Source::Server)->ArgName("year")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
