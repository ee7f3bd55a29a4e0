// arc8130-export DATASOURCE FILE.csv [--from DD/MMM/YYYY] [--to DD/MMM/YYYY]
// Writes the register of certificates of a data source as a CSV file.

#include "DataFolder.h"
#include "DateText.h"
#include "RegisterExport.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: arc8130-export DATASOURCE FILE.csv [--from DD/MMM/YYYY] [--to DD/MMM/YYYY]\n"
                         "  DATASOURCE is a data folder or a server's postgresql:// URI\n");
    return 2;
}

// On a terminal, one line that overwrites itself as the rows go by;
// elsewhere (a pipe, a log) nothing, so the output stays the result alone.
// `shown` tells whether the line was begun.
arc::Progress progressLine(bool onTerminal, bool &shown)
{
    if (!onTerminal)
        return {};
    return arc::Progress([&shown, last = -1](const QString &step, qint64 done, qint64 total) mutable {
        const int percent = total > 0 ? static_cast<int>(done * 100 / total) : -1;
        if (percent == last || total <= 0)
            return true;
        last = percent;
        shown = true;
        std::fprintf(stderr, "\r%s: %3d%% (%lld of %lld rows)", qPrintable(step), percent, static_cast<long long>(done),
                     static_cast<long long>(total));
        std::fflush(stderr);
        return true;
    });
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    arc::RegisterExport::Period period;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--from") || a == QLatin1String("--to")) {
            if (i + 1 >= args.size())
                return usage();
            const QString value = args.at(++i);
            const QDate day = arc::DateText::parse(value);
            if (!day.isValid())
                return std::fprintf(stderr, "arc8130-export: \"%s\" is not a date (DD/MMM/YYYY)\n", qPrintable(value)), 2;
            (a == QLatin1String("--from") ? period.from : period.to) = day;
        } else if (a.startsWith(QLatin1Char('-'))) {
            return usage();
        } else {
            positional << a;
        }
    }
    if (positional.size() != 2)
        return usage();

    arc::DataFolder folder;
    const QString source = arc::DataFolder::sourceFromArgument(positional.at(0));
    if (const arc::DbStatus s = folder.open(source); !s.ok())
        return std::fprintf(stderr, "arc8130-export: %s cannot be opened: %s\n", qPrintable(positional.at(0)),
                            qPrintable(s.detail())),
               1;
    int count = 0;
    bool shown = false;
    const arc::DbStatus s = arc::RegisterExport::write(folder.certificates(), period, positional.at(1), &count,
                                                       progressLine(isatty(fileno(stderr)) == 1, shown));
    folder.close();
    if (shown)
        std::fputc('\n', stderr);
    if (!s.ok())
        return std::fprintf(stderr, "arc8130-export: %s\n", qPrintable(s.detail())), 1;
    std::printf("%d rows written to %s\n", count, qPrintable(positional.at(1)));
    return 0;
}
