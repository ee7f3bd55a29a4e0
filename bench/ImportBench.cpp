// Converting the shared 300-certificate folder of the earlier Access-based
// program, from reading with mdbtools to the checked files in place.

#include "LegacyConverter.h"
#include "MdbExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void ConvertAccessFolder(benchmark::State &state)
{
    const QString fixture = QStringLiteral(LEGACY_FIXTURE);
    if (!arc::MdbExport::available()) {
        state.SkipWithError("mdbtools is not installed");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        for (const char *name : {"VELLORAN.MDB", "VELLORANA.MDB"}) {
            QFile::copy(fixture + name, folder + name);
            QFile::setPermissions(folder + name, QFile::ReadOwner | QFile::WriteOwner);
        }
        state.ResumeTiming();
        const arc::ConversionReport report = arc::LegacyConverter::convert(folder);
        if (report.outcome != arc::ConversionReport::Outcome::Converted)
            state.SkipWithError("the conversion failed");
    }
}
BENCHMARK(ConvertAccessFolder)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
