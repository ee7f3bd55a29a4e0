// Start-up to a ready certificate screen on an empty store, on the large
// folder's 100 000 certificates, and on those right after another program
// wrote them all again; on a data folder and on a server, side by side.

#include "AnotherTool.h"
#include "BenchApplication.h"
#include "BenchFolder.h"
#include "BenchServer.h"
#include "DataFolder.h"
#include "DemoReference.h"
#include "MainWindow.h"
#include "ServerImport.h"
#include "ServerUri.h"
#include "SetupStore.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using arc::bench::BenchFolder;
using arc::bench::BenchServer;

const bool widgets = arc::bench::setApplicationMaker([](int &argc, char **argv) -> QCoreApplication * {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
});

class SilentMessages : public arc::MessageBoxes {
public:
    arc::Message::Answer ask(const arc::Message &m) override { return m.defaultAnswer; }
};

// A data folder with the demo's reference data and no certificate.
struct EmptyFolder {
    QTemporaryDir dir;
    QString path;
    EmptyFolder()
    {
        arc::bench::application();
        arc::DataFolder folder;
        if (arc::DemoReference::createFolder(dir.path() + QLatin1Char('/'), folder).ok())
            path = dir.path() + QLatin1Char('/');
    }
};
const QString &emptyFolder()
{
    static EmptyFolder made;
    return made.path;
}

// The empty folder moved into its own schema of the benchmarks' server.
QString makeEmptyServer()
{
    const QString base = BenchServer::uri();
    if (base.isEmpty() || emptyFolder().isEmpty())
        return {};
    const std::optional<arc::ServerUri> uri = arc::ServerUri::parse(base);
    const QString name = QStringLiteral("arc-bench-empty");
    bool made = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(uri->host);
        if (uri->port)
            db.setPort(uri->port);
        db.setUserName(uri->user);
        db.setPassword(uri->password);
        db.setDatabaseName(uri->dbname);
        db.setConnectOptions(uri->connectOptions());
        QSqlQuery q(db);
        made = db.open() && q.exec("SET client_min_messages = warning")
               && q.exec("DROP SCHEMA IF EXISTS arc_bench_empty CASCADE") && q.exec("CREATE SCHEMA arc_bench_empty");
    }
    QSqlDatabase::removeDatabase(name);
    QString empty = base;
    empty.replace(QString::fromUtf8(QUrl::toPercentEncoding("-csearch_path=arc_bench")),
                  QString::fromUtf8(QUrl::toPercentEncoding("-csearch_path=arc_bench_empty")));
    return made && arc::ServerImport::run(emptyFolder(), empty).outcome != arc::ConversionReport::Outcome::Failed
               ? empty
               : QString();
}
const QString &emptyServer()
{
    static const QString made = makeEmptyServer();
    return made;
}

enum class Store { Empty, Large, LargeJustWritten };
enum class Source { Folder, Server };

void StartUp(benchmark::State &state, Source source, Store store)
{
    arc::bench::application();
    const QString data = store == Store::Empty ? (source == Source::Folder ? emptyFolder() : emptyServer())
                         : source == Source::Folder ? BenchFolder::path()
                                                    : BenchServer::uri();
    QTemporaryDir program;
    arc::SetupStore setup;
    if (data.isEmpty() || !setup.open(program.path()).ok() || !setup.setDataPath(data).ok()) {
        state.SkipWithError("no data source");
        return;
    }
    SilentMessages messages;
    for (auto _ : state) {
        state.PauseTiming();
        if (store == Store::LargeJustWritten) {
            arc::DataFolder other;
            if (!other.open(data).ok() || !arc::bench::rewriteAsAnotherTool(other.certificates()).ok()) {
                state.SkipWithError("the certificates could not be written again");
                break;
            }
        }
        state.ResumeTiming();
        auto w = std::make_unique<arc::MainWindow>(program.path(), messages);
        w->activate();
        benchmark::DoNotOptimize(w->newFormFlag());
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(StartUp, Empty_SQLite, Source::Folder, Store::Empty)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartUp, Large_SQLite, Source::Folder, Store::Large)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartUp, LargeJustWritten_SQLite, Source::Folder, Store::LargeJustWritten)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(StartUp, Empty_PostgreSQL, Source::Server, Store::Empty)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartUp, Large_PostgreSQL, Source::Server, Store::Large)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartUp, LargeJustWritten_PostgreSQL, Source::Server, Store::LargeJustWritten)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace
