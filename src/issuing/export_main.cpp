// arc8130-export [--force] [--replica URI] DATASOURCE FILE.csv [--from DD/MMM/YYYY] [--to DD/MMM/YYYY]
// arc8130-export DATASOURCE --voids
// Writes the register of certificates of a data source as a CSV file, or
// lists the tracking numbers taken and never stored.

#include "DataFolder.h"
#include "DateText.h"
#include "GivenText.h"
#include "ProgressLine.h"
#include "RegisterExport.h"
#include "ServerUri.h"
#include "TakenNumbers.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

struct ExportTexts {
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)
};

int usage()
{
    std::fprintf(stderr, "%s",
                 qPrintable(ExportTexts::tr(
                     "usage: arc8130-export [--force] [--replica URI] DATASOURCE FILE.csv [--from DD/MMM/YYYY] "
                     "[--to DD/MMM/YYYY]\n"
                     "       arc8130-export DATASOURCE --voids\n"
                     "  DATASOURCE is a data folder or a server's postgresql:// URI\n"
                     "  --force replaces FILE.csv when it exists\n"
                     "  --replica reads the register from this hot standby of the server while it keeps up\n")));
    return 2;
}

int refused(int exit, const QString &why)
{
    std::fprintf(stderr, "arc8130-export: %s\n", qPrintable(why));
    return exit;
}

// Why the register is read from the primary although a standby was named.
QString passedOver(arc::ReadReason reason, const QString &detail)
{
    switch (reason) {
    case arc::ReadReason::InvalidAddress: return ExportTexts::tr("the standby's address is not a server's URI: %1").arg(detail);
    case arc::ReadReason::Unreachable: return ExportTexts::tr("the standby cannot be reached: %1").arg(detail);
    case arc::ReadReason::OtherSchema: return ExportTexts::tr("the standby does not hold this data source: %1").arg(detail);
    case arc::ReadReason::SameAsPrimary: return ExportTexts::tr("the standby's address names the primary server itself");
    case arc::ReadReason::NotInRecovery: return ExportTexts::tr("the standby's address names a server that is no standby");
    case arc::ReadReason::Lagging: return ExportTexts::tr("the standby is %1 seconds behind").arg(detail);
    default: return {};
    }
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
    std::printf("%s\n", qPrintable(ExportTexts::tr("%n void numbers", nullptr, int(voids.size()))));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    arc::RegisterExport::Period period;
    QStringList positional;
    bool force = false;
    bool voids = false;
    QString replica;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--from") || a == QLatin1String("--to")) {
            if (i + 1 >= args.size())
                return usage();
            const QString value = args.at(++i);
            const QDate day = arc::DateText::parse(value);
            if (!day.isValid())
                return refused(2, ExportTexts::tr("\"%1\" is not a date (DD/MMM/YYYY)").arg(arc::GivenText::quoted(value)));
            (a == QLatin1String("--from") ? period.from : period.to) = day;
        } else if (a == QLatin1String("--replica")) {
            if (i + 1 >= args.size())
                return usage();
            replica = args.at(++i);
        } else if (a == QLatin1String("--force")) {
            force = true;
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
    if (period.from.isValid() && period.to.isValid() && period.from > period.to)
        return refused(2, ExportTexts::tr("--from %1 is later than --to %2: the period holds no day")
                              .arg(arc::DateText::format(period.from), arc::DateText::format(period.to)));

    arc::DataFolder folder;
    const QString source = arc::DataFolder::sourceFromArgument(positional.at(0));
    // A server is named without its password, whatever the failure says.
    const QString named = arc::GivenText::quoted(arc::ServerUri::withoutPassword(positional.at(0)));
    if (const arc::DbStatus s = folder.open(source); !s.ok())
        return refused(1, ExportTexts::tr("%1 cannot be opened: %2").arg(named, s.detail()));
    if (voids) {
        const int code = listVoids(folder.certificates());
        folder.close();
        return code;
    }
    const QString file = positional.at(1);
    const QString quotedFile = arc::GivenText::quoted(file);
    if (const QString why = arc::RegisterExport::refusal(folder.certificates(), file); !why.isEmpty())
        return folder.close(), refused(1, ExportTexts::tr("%1 is not written: %2").arg(quotedFile, why));
    if (!force && arc::RegisterExport::exists(file))
        return folder.close(), refused(1, ExportTexts::tr("%1 exists already; --force replaces it").arg(quotedFile));
    // What only reads goes to the standby while it keeps up.
    folder.reads().setReplica(replica);
    arc::Database &reader = folder.reads().reader();
    if (const QString why = passedOver(folder.reads().reason(), folder.reads().detail()); !why.isEmpty())
        std::fprintf(stderr, "arc8130-export: %s\n",
                     qPrintable(ExportTexts::tr("reading from the primary server: %1").arg(why)));
    arc::RegisterExport::Written count;
    arc::DbStatus s;
    {
        arc::ProgressLine line;
        s = arc::RegisterExport::write(reader, period, file, &count, line.progress(),
                                       arc::RegisterExport::Existing::Replace);
    }
    folder.close();
    if (!s.ok())
        return refused(1, s.detail());
    std::printf("%s\n", qPrintable(arc::RegisterExport::told(count, file)));
    return 0;
}
