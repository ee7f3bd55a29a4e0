// arc8130-import FOLDER: bring a data folder of the earlier Access-based
// program into the current format, in place, and print what was done.
// arc8130-import FOLDER postgresql://...: move a data folder (Access or
// current format) into an empty server database; the folder is unchanged.

#include "LegacyConverter.h"
#include "ProgressLine.h"
#include "ServerImport.h"
#include "ServerUri.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args.size() > 3 || (args.size() == 3 && !arc::ServerUri::isUri(args.at(2)))) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                         "ImportCommand", "usage: arc8130-import FOLDER [postgresql://USER@HOST:PORT/DATABASE]")));
        return 2;
    }
    const QString folder = QDir(args.at(1)).absolutePath();
    arc::ConversionReport report;
    {
        // Shown while the work goes on, gone before the report.
        arc::ProgressLine line;
        report = args.size() == 3 ? arc::ServerImport::run(folder, args.at(2), line.progress())
                                  : arc::LegacyConverter::convert(folder, line.progress());
    }
    for (const QString &line : report.lines)
        std::printf("%s\n", qPrintable(line));
    return report.outcome == arc::ConversionReport::Outcome::Failed ? 1 : 0;
}
