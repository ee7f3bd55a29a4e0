// Finding on a large data folder, from the click to the certificate shown:
// by the beginning of a part number and by a tracking number; stepping
// through what was found; and a signatory's counts for a year.

#include "AccessPanel.h"
#include "ActivityReport.h"
#include "BenchApplication.h"
#include "BenchFolder.h"
#include "CertificateOnScreen.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "FindPanel.h"
#include "FoldedCopies.h"
#include "MainWindow.h"
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

using arc::bench::BenchFolder;

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

// A program folder pointing at the large data folder, whose copies for
// searching are folded once here: a folder made by inserting rows has
// every copy stale, which the first search of a real one pays once.
struct SearchedFolder {
    QTemporaryDir program;
    bool ready = false;
    SearchedFolder()
    {
        arc::bench::application();
        arc::DbStatus s;
        const QString &data = BenchFolder::path(&s);
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

SearchedFolder &searchedFolder()
{
    static SearchedFolder folder;
    return folder;
}

struct Window {
    SilentMessages messages;
    std::unique_ptr<arc::MainWindow> window;
    arc::FindPanel *find = nullptr;

    explicit Window(benchmark::State &state)
    {
        if (!searchedFolder().ready) {
            state.SkipWithError("no data folder");
            return;
        }
        window = std::make_unique<arc::MainWindow>(searchedFolder().program.path(), messages);
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

void findFirst(benchmark::State &state, size_t box, const QString &text)
{
    Window w(state);
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
}

void FindByPartNumberPrefix(benchmark::State &state) { findFirst(state, 1, QStringLiteral("CR-620")); }
BENCHMARK(FindByPartNumberPrefix)->Unit(benchmark::kMillisecond);

void FindByTrackingNumber(benchmark::State &state) { findFirst(state, 4, QStringLiteral("054321")); }
BENCHMARK(FindByTrackingNumber)->Unit(benchmark::kMillisecond);

// Not a target: every certificate once per line.
void ShowAllRecords(benchmark::State &state)
{
    Window w(state);
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

void StepThroughFound(benchmark::State &state)
{
    Window w(state);
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
}
BENCHMARK(StepThroughFound)->Unit(benchmark::kMicrosecond);

void ActivityReportForAYear(benchmark::State &state)
{
    if (!searchedFolder().ready) {
        state.SkipWithError("no data folder");
        return;
    }
    SilentMessages messages;
    arc::DataFolder folder;
    if (!folder.open(BenchFolder::path()).ok()) {
        state.SkipWithError("data folder not opened");
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
BENCHMARK(ActivityReportForAYear)->Unit(benchmark::kMillisecond);

} // namespace
