// Starts the program's stores in a program folder the way a first start
// does, so that a test can kill it while the data files are being made.
// Prints "ready" before it begins and "done <microseconds>" when the
// folder is open.

#include "DataFolder.h"
#include "DataFolderOpener.h"
#include "SetupStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace arc;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: first_start <programFolder>\n");
        return 2;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    QElapsedTimer timer;
    timer.start();
    SetupStore setup;
    if (const DbStatus s = setup.open(QString::fromLocal8Bit(argv[1])); !s.ok()) {
        std::fprintf(stderr, "set-up: %s\n", qPrintable(s.detail()));
        return 1;
    }
    DataFolder data;
    const OpenedFolder opened = DataFolderOpener::open(setup, data);
    if (opened.kind == OpenedFolder::Kind::Unusable) {
        std::fprintf(stderr, "data folder: %s\n", qPrintable(opened.status.detail()));
        return 1;
    }
    std::printf("done %lld\n", timer.nsecsElapsed() / 1000);
    std::fflush(stdout);
    return 0;
}
