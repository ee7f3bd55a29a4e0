// The certificate screen on a large data folder: start-up to a ready
// screen; stepping with the arrow buttons and saving, also on the same
// certificates on a server.

#include "BenchApplication.h"
#include "BenchFolder.h"
#include "BenchSource.h"
#include "CertificateOnScreen.h"
#include "MainWindow.h"
#include "SetupStore.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using arc::bench::BenchFolder;
using arc::bench::Source;

const bool widgets = arc::bench::setApplicationMaker(
    [](int &argc, char **argv) -> QCoreApplication * {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    });

// Every question is answered with its default, silently; the last is kept,
// so that a save that was refused is not measured as a fast one.
class SilentMessages : public arc::MessageBoxes {
public:
    arc::Message::Answer ask(const arc::Message &m) override
    {
        last = m.prompt;
        return m.defaultAnswer;
    }
    QString last;
};

void skipIfAsked(benchmark::State &state, const SilentMessages &messages)
{
    if (!messages.last.isEmpty())
        state.SkipWithError(("the save asked: " + messages.last).toUtf8().constData());
}

// A program folder whose set-up file points at the large data source.
struct ProgramFolder {
    QTemporaryDir dir;
    bool ready = false;
    explicit ProgramFolder(Source source)
    {
        arc::bench::application();
        arc::DbStatus s;
        const QString &data = arc::bench::sourcePath(source, &s);
        arc::SetupStore setup;
        ready = s.ok() && setup.open(dir.path()).ok() && setup.setDataPath(data).ok();
    }
};

ProgramFolder &programFolder(Source source = Source::Folder)
{
    // Each made on first use: a server is moved into only when measured.
    if (source == Source::Folder) {
        static ProgramFolder folder(Source::Folder);
        return folder;
    }
    static ProgramFolder server(Source::Server);
    return server;
}

std::unique_ptr<arc::MainWindow> openWindow(SilentMessages &messages, Source source = Source::Folder)
{
    auto w = std::make_unique<arc::MainWindow>(programFolder(source).dir.path(), messages);
    w->activate();
    return w;
}

void StartUp(benchmark::State &state)
{
    if (!programFolder().ready) {
        state.SkipWithError("no data folder");
        return;
    }
    SilentMessages messages;
    for (auto _ : state) {
        auto w = openWindow(messages);
        benchmark::DoNotOptimize(w->newFormFlag());
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

void StepPreviousWithShowForm(benchmark::State &state, Source source)
{
    if (!programFolder(source).ready) {
        state.SkipWithError("no data source");
        return;
    }
    SilentMessages messages;
    auto w = openWindow(messages, source);
    w->certificate().previous(); // onto the last certificate
    for (auto _ : state) {
        w->certificate().previous();
        if (w->dataFolder().header().isBof()) {
            state.PauseTiming();
            w->certificate().newForm();
            w->certificate().previous();
            state.ResumeTiming();
        }
    }
}
BENCHMARK_CAPTURE(StepPreviousWithShowForm, SQLite, Source::Folder)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StepPreviousWithShowForm, PostgreSQL, Source::Server)->Unit(benchmark::kMicrosecond);

void fillTenLines(arc::MainWindow &w)
{
    for (int r = 0; r < arc::kGridRows; ++r)
        w.setItemLine(r, {QString::number(r + 1), "Fuel control unit", "PN-2231-7", "1",
                          QString("SN%1").arg(r), "OVERHAULED", {}});
}

void SaveNewCertificateWithTenLines(benchmark::State &state, Source source)
{
    if (!programFolder(source).ready) {
        state.SkipWithError("no data source");
        return;
    }
    SilentMessages messages;
    auto w = openWindow(messages, source);
    for (auto _ : state) {
        state.PauseTiming();
        w->certificate().newForm();
        fillTenLines(*w);
        state.ResumeTiming();
        w->certificate().save();
    }
    skipIfAsked(state, messages);
}
BENCHMARK_CAPTURE(SaveNewCertificateWithTenLines, SQLite, Source::Folder)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveNewCertificateWithTenLines, PostgreSQL, Source::Server)->Unit(benchmark::kMillisecond);

void SaveUpdate(benchmark::State &state, Source source)
{
    if (!programFolder(source).ready) {
        state.SkipWithError("no data source");
        return;
    }
    SilentMessages messages;
    auto w = openWindow(messages, source);
    fillTenLines(*w);
    w->certificate().save();
    for (auto _ : state)
        w->certificate().save();
    skipIfAsked(state, messages);
}
BENCHMARK_CAPTURE(SaveUpdate, Window_SQLite, Source::Folder)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveUpdate, Window_PostgreSQL, Source::Server)->Unit(benchmark::kMillisecond);

} // namespace
