// Converts an Access data folder in place, printing each step as it is
// done; at step STOP it prints "stopped" and waits to be killed, so that a
// test can cut the conversion short at any step it chooses (0: never).

#include "LegacyConverter.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: convert_steps FOLDER STOP\n");
        return 2;
    }
    const int stop = std::atoi(argv[2]);
    int step = 0;
    const arc::ConversionReport report =
        arc::LegacyConverter::convert(QString::fromLocal8Bit(argv[1]), [&](const QString &what) {
            std::printf("%s\n", qPrintable(what));
            std::fflush(stdout);
            if (++step == stop) {
                std::printf("stopped\n");
                std::fflush(stdout);
                QThread::sleep(600);
            }
        });
    std::printf("done %d\n", step);
    return report.outcome == arc::ConversionReport::Outcome::Converted ? 0 : 1;
}
