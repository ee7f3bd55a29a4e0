// arc8130-export DATASOURCE FILE.csv [--from DD/MMM/YYYY] [--to DD/MMM/YYYY]
// arc8130-export DATASOURCE --voids
// Writes the register of certificates of a data source as a CSV file, or
// lists the tracking numbers taken and never stored.

#include "DataFolder.h"
#include "DateText.h"
#include "ProgressLine.h"
#include "RegisterExport.h"
#include "TakenNumbers.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: arc8130-export DATASOURCE FILE.csv [--from DD/MMM/YYYY] [--to DD/MMM/YYYY]\n"
                         "       arc8130-export DATASOURCE --voids\n"
                         "  DATASOURCE is a data folder or a server's postgresql:// URI\n");
    return 2;
}

// A stored text on one line of the terminal: no control character of it
// reaches the terminal.
QByteArray printable(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char(' ');
    return text.toUtf8();
}

// One line a void: number, when (UTC), workstation, user, reason.
int listVoids(arc::Database &certificates)
{
    std::vector<arc::VoidNumber> voids;
    if (const arc::DbStatus s = arc::TakenNumbers(certificates).voids(voids); !s.ok())
        return std::fprintf(stderr, "arc8130-export: %s\n", qPrintable(s.detail())), 1;
    for (const arc::VoidNumber &v : voids) {
        QByteArrayList fields;
        for (const QString &field : {v.tracking, v.voidedAt, v.workstation, v.user, v.reason})
            fields << printable(field);
        std::printf("%s\n", fields.join('\t').constData());
    }
    std::printf("%zu void numbers\n", voids.size());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    arc::RegisterExport::Period period;
    QStringList positional;
    bool voids = false;
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
        } else if (a == QLatin1String("--voids")) {
            voids = true;
        } else if (a.startsWith(QLatin1Char('-'))) {
            return usage();
        } else {
            positional << a;
        }
    }
    if (positional.size() != (voids ? 1 : 2) || (voids && (period.from.isValid() || period.to.isValid())))
        return usage();

    arc::DataFolder folder;
    const QString source = arc::DataFolder::sourceFromArgument(positional.at(0));
    if (const arc::DbStatus s = folder.open(source); !s.ok())
        return std::fprintf(stderr, "arc8130-export: %s cannot be opened: %s\n", qPrintable(positional.at(0)),
                            qPrintable(s.detail())),
               1;
    if (voids) {
        const int code = listVoids(folder.certificates());
        folder.close();
        return code;
    }
    int count = 0;
    arc::DbStatus s;
    {
        arc::ProgressLine line;
        s = arc::RegisterExport::write(folder.certificates(), period, positional.at(1), &count, line.progress());
    }
    folder.close();
    if (!s.ok())
        return std::fprintf(stderr, "arc8130-export: %s\n", qPrintable(s.detail())), 1;
    std::printf("%d rows written to %s\n", count, qPrintable(positional.at(1)));
    return 0;
}
