// The certificate screen on a large data folder: start-up to a ready
// screen, stepping with the arrow buttons, and saving.

#include "BenchApplication.h"
#include "BenchFolder.h"
#include "CertificateOnScreen.h"
#include "MainWindow.h"
#include "SetupStore.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using arc::bench::BenchFolder;

const bool widgets = arc::bench::setApplicationMaker(
    [](int &argc, char **argv) -> QCoreApplication * {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    });

// Every question is answered with its default, silently.
class SilentMessages : public arc::MessageBoxes {
public:
    arc::Message::Answer ask(const arc::Message &m) override { return m.defaultAnswer; }
};

// A program folder whose set-up file points at the large data folder.
struct ProgramFolder {
    QTemporaryDir dir;
    bool ready = false;
    ProgramFolder()
    {
        arc::bench::application();
        arc::DbStatus s;
        const QString &data = BenchFolder::path(&s);
        arc::SetupStore setup;
        ready = s.ok() && setup.open(dir.path()).ok() && setup.setDataPath(data).ok();
    }
};

ProgramFolder &programFolder()
{
    static ProgramFolder folder;
    return folder;
}

std::unique_ptr<arc::MainWindow> openWindow(SilentMessages &messages)
{
    auto w = std::make_unique<arc::MainWindow>(programFolder().dir.path(), messages);
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

void StepPreviousWithShowForm(benchmark::State &state)
{
    if (!programFolder().ready) {
        state.SkipWithError("no data folder");
        return;
    }
    SilentMessages messages;
    auto w = openWindow(messages);
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
BENCHMARK(StepPreviousWithShowForm)->Unit(benchmark::kMicrosecond);

void fillTenLines(arc::MainWindow &w)
{
    for (int r = 0; r < arc::kItemSlots; ++r)
        w.setItemLine(r, {QString::number(r + 1), "Fuel control unit", "PN-2231-7", "1",
                          QString("SN%1").arg(r), "OVERHAULED", {}});
}

void SaveNewCertificateWithTenLines(benchmark::State &state)
{
    if (!programFolder().ready) {
        state.SkipWithError("no data folder");
        return;
    }
    SilentMessages messages;
    auto w = openWindow(messages);
    for (auto _ : state) {
        state.PauseTiming();
        w->certificate().newForm();
        fillTenLines(*w);
        state.ResumeTiming();
        w->certificate().save();
    }
}
BENCHMARK(SaveNewCertificateWithTenLines)->Unit(benchmark::kMillisecond);

void SaveUpdate(benchmark::State &state)
{
    if (!programFolder().ready) {
        state.SkipWithError("no data folder");
        return;
    }
    SilentMessages messages;
    auto w = openWindow(messages);
    fillTenLines(*w);
    w->certificate().save();
    for (auto _ : state)
        w->certificate().save();
}
BENCHMARK(SaveUpdate)->Unit(benchmark::kMillisecond);

} // namespace
