// Finding on a large data folder and on the same certificates on a
// server, from the click to the certificate shown: by the beginning of a
// part number and by a tracking number; stepping through what was found;
// and a signatory's counts for a year.

#include "AccessPanel.h"
#include "ActivityReport.h"
#include "BenchApplication.h"
#include "BenchSource.h"
#include "CertificateOnScreen.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "FindPanel.h"
#include "FoldedCopies.h"
#include "MainWindow.h"
#include "Resident.h"
#include "SetupStore.h"
#include "SignIn.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

using arc::bench::Source;

const bool widgets = arc::bench::setApplicationMaker([](int &argc, char **argv) -> QCoreApplication * {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
});

class SilentMessages : public arc::MessageBoxes {
public:
    arc::Message::Answer ask(const arc::Message &m) override
    {
        ++asked;
        last = m.prompt;
        return m.defaultAnswer;
    }
    int asked = 0;
    QString last;
};

// A program folder pointing at the large data source, whose copies for
// searching are folded once here: a source made by inserting rows has
// every copy stale, which the first search of a real one pays once.
struct SearchedFolder {
    QTemporaryDir program;
    QString data;
    bool ready = false;
    explicit SearchedFolder(Source source)
    {
        arc::bench::application();
        arc::DbStatus s;
        data = arc::bench::sourcePath(source, &s);
        arc::SetupStore setup;
        arc::DataFolder folder;
        ready = s.ok() && setup.open(program.path()).ok() && setup.setDataPath(data).ok() && folder.open(data).ok();
        QElapsedTimer timer;
        timer.start();
        ready = ready && arc::FoldedCopies::bringUpToDate(folder.certificates()).ok();
        if (ready)
            std::fprintf(stderr, "folded the copies of every row in %.1f s\n",
                         static_cast<double>(timer.elapsed()) / 1000.0);
    }
};

SearchedFolder &searchedFolder(Source source)
{
    // Each made on first use: a server is moved into only when measured.
    if (source == Source::Folder) {
        static SearchedFolder folder(Source::Folder);
        return folder;
    }
    static SearchedFolder server(Source::Server);
    return server;
}

struct Window {
    SilentMessages messages;
    std::unique_ptr<arc::MainWindow> window;
    arc::FindPanel *find = nullptr;

    Window(benchmark::State &state, Source source)
    {
        if (!searchedFolder(source).ready) {
            state.SkipWithError("no data source");
            return;
        }
        window = std::make_unique<arc::MainWindow>(searchedFolder(source).program.path(), messages);
        window->activate();
        // The demo's first signatory signs in; until someone does, nothing can be pressed.
        arc::AccessPanel &access = window->accessPanel();
        access.combo4->setCurrentIndex(access.combo4->findText(QStringLiteral("John A. Carter")));
        access.text44->setText(QStringLiteral("carter1"));
        window->signIn().AgentSecurity();
        messages.asked = 0;
        find = window->findChild<arc::FindPanel *>(QStringLiteral("Panel3D3"));
        if (!find || !find->isEnabled()) {
            state.SkipWithError("no find panel to use");
            find = nullptr;
        }
    }
    // Open the panel and fill one box, as the user does before the click.
    void ask(size_t box, const QString &text)
    {
        find->open();
        for (arc::EntryBox *b : find->boxes)
            b->clear();
        find->boxes[box]->setText(text);
    }
};

void findFirst(benchmark::State &state, Source source, size_t box, const QString &text)
{
    Window w(state, source);
    if (!w.find)
        return;
    for (auto _ : state) {
        state.PauseTiming();
        w.ask(box, text);
        state.ResumeTiming();
        w.find->firstButton->click();
    }
    if (w.messages.asked > 0 || w.window->newFormFlag() != 0)
        state.SkipWithError(("nothing was found: " + w.messages.last).toUtf8().constData());
    state.counters["form_index"] = static_cast<double>(w.window->currentFormIndex());
    state.counters["resident_mb"] = arc::bench::residentMegabytes();
}

void FindByPartNumberPrefix(benchmark::State &state, Source source)
{
    findFirst(state, source, 1, QStringLiteral("CR-620"));
}
BENCHMARK_CAPTURE(FindByPartNumberPrefix, SQLite, Source::Folder)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindByPartNumberPrefix, PostgreSQL, Source::Server)->Unit(benchmark::kMillisecond);

void FindByTrackingNumber(benchmark::State &state, Source source)
{
    findFirst(state, source, 4, QStringLiteral("054321"));
}
BENCHMARK_CAPTURE(FindByTrackingNumber, SQLite, Source::Folder)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindByTrackingNumber, PostgreSQL, Source::Server)->Unit(benchmark::kMillisecond);

// Not a target: every certificate once per line.
void ShowAllRecords(benchmark::State &state)
{
    Window w(state, Source::Folder);
    if (!w.find)
        return;
    for (auto _ : state) {
        state.PauseTiming();
        w.find->open();
        state.ResumeTiming();
        w.find->allButton->click();
    }
}
BENCHMARK(ShowAllRecords)->Unit(benchmark::kMillisecond);

void StepThroughFound(benchmark::State &state, Source source)
{
    Window w(state, source);
    if (!w.find)
        return;
    w.ask(1, QStringLiteral("CR-620"));
    w.find->firstButton->click();
    for (auto _ : state) {
        w.window->certificate().next();
        if (w.window->dataFolder().header().isEof()) {
            state.SkipWithError("walked past the end");
            break;
        }
    }
    state.counters["resident_mb"] = arc::bench::residentMegabytes();
}
BENCHMARK_CAPTURE(StepThroughFound, SQLite, Source::Folder)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StepThroughFound, PostgreSQL, Source::Server)->Unit(benchmark::kMicrosecond);

void ActivityReportForAYear(benchmark::State &state, Source source)
{
    if (!searchedFolder(source).ready) {
        state.SkipWithError("no data source");
        return;
    }
    SilentMessages messages;
    arc::DataFolder folder;
    if (!folder.open(searchedFolder(source).data).ok()) {
        state.SkipWithError("data source not opened");
        return;
    }
    QComboBox signatory;
    signatory.addItem(QStringLiteral("John A. Carter"));
    arc::ActivityReport report(folder, messages, &signatory);
    report.from->setText(QStringLiteral("01/Jan/2020"));
    report.to->setText(QStringLiteral("31/Dec/2020"));
    for (auto _ : state)
        report.calculate->click();
    if (messages.asked > 0 || report.results[3]->text().toInt() == 0)
        state.SkipWithError("nothing was counted");
    state.counters["total"] = report.results[3]->text().toDouble();
}
BENCHMARK_CAPTURE(ActivityReportForAYear, SQLite, Source::Folder)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ActivityReportForAYear, PostgreSQL, Source::Server)->Unit(benchmark::kMillisecond);

} // namespace
