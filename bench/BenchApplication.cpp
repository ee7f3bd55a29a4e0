#include "BenchApplication.h"

namespace arc::bench {

namespace {

// Constant-initialised, so it is set before any file's statics call in.
ApplicationMaker g_maker = nullptr;

QCoreApplication *makeCore(int &argc, char **argv) { return new QCoreApplication(argc, argv); }

} // namespace

bool setApplicationMaker(ApplicationMaker maker)
{
    g_maker = maker;
    return true;
}

QCoreApplication &application()
{
    if (QCoreApplication *existing = QCoreApplication::instance())
        return *existing;
    // Qt keeps references to these for the application's whole life.
    static int argc = 1;
    static char name[] = "arc_bench";
    static char *argv[] = {name, nullptr};
    // Kept until the process ends: benchmarks run until then.
    static QCoreApplication *app = (g_maker ? g_maker : makeCore)(argc, argv);
    return *app;
}

} // namespace arc::bench
