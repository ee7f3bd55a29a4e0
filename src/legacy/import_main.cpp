// arc8130-import FOLDER: bring a data folder of the earlier Access-based
// program into the current format, in place, and print what was done.

#include "LegacyConverter.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: arc8130-import FOLDER\n");
        return 2;
    }
    const arc::ConversionReport report = arc::LegacyConverter::convert(QDir(args.at(1)).absolutePath());
    for (const QString &line : report.lines)
        std::printf("%s\n", qPrintable(line));
    return report.outcome == arc::ConversionReport::Outcome::Failed ? 1 : 0;
}
