// arc8130-demo [--certificates N] <programFolder> <demoDataFolder>
// Makes a demo data folder and points the program's set-up file at it, so
// that a first start opens on working screens. With --certificates the
// folder holds N made-up certificates, to try the program at the size a
// long-used installation reaches.

#include "DemoFolder.h"
#include "LargeFolder.h"
#include "ProgramFolder.h"
#include "SetupStore.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

struct DemoTexts {
    Q_DECLARE_TR_FUNCTIONS(DemoCommand)
};

int fail(const QString &message)
{
    std::fprintf(stderr, "arc8130-demo: %s\n", qPrintable(message));
    return 1;
}

QString describe(const arc::DbStatus &s)
{
    QString what;
    switch (s.condition()) {
    case arc::DbCondition::FileNotFound: what = DemoTexts::tr("file not found"); break;
    case arc::DbCondition::InvalidPath: what = DemoTexts::tr("no such folder"); break;
    case arc::DbCondition::NotADatabase: what = DemoTexts::tr("not one of our database files"); break;
    case arc::DbCondition::ReadOnly: what = DemoTexts::tr("cannot write there"); break;
    case arc::DbCondition::Locked: what = DemoTexts::tr("in use by another program"); break;
    default: what = DemoTexts::tr("database error"); break;
    }
    return s.detail().isEmpty() ? what : what + QStringLiteral(" (") + s.detail() + QLatin1Char(')');
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    int certificates = -1;
    if (args.size() == 5 && args.at(1) == QLatin1String("--certificates")) {
        bool number = false;
        certificates = args.at(2).toInt(&number);
        if (!number || certificates < 0)
            return fail(DemoTexts::tr("--certificates takes a count of certificates, not \"%1\"").arg(args.at(2)));
        args.remove(1, 2);
    }
    if (args.size() != 3)
        return fail(DemoTexts::tr("usage: arc8130-demo [--certificates N] <programFolder> <demoDataFolder>"));

    const QString programFolder = args.at(1);
    // The set-up file first: a wrong program folder should not leave a demo
    // folder behind that nothing points at.
    arc::SetupStore setup;
    if (const arc::DbStatus s = setup.open(programFolder); !s.ok())
        return fail(DemoTexts::tr("cannot open the set-up file in %1: %2").arg(programFolder, describe(s)));

    // The program joins file names straight onto the stored path.
    const QString dataFolder = QDir::cleanPath(QDir(args.at(2)).absolutePath());
    if (!QDir().mkpath(dataFolder))
        return fail(DemoTexts::tr("cannot make the folder %1").arg(dataFolder));
    const QString dataPath = arc::ProgramFolder::withSlash(dataFolder);

    const arc::DbStatus filled =
        certificates < 0 ? arc::DemoFolder::seed(dataPath) : arc::LargeFolder::generate(dataPath, certificates);
    if (const arc::DbStatus &s = filled; !s.ok())
        return fail(DemoTexts::tr("cannot fill %1: %2").arg(dataPath, describe(s)));
    if (const arc::DbStatus s = setup.setDataPath(dataPath); !s.ok())
        return fail(DemoTexts::tr("cannot store the data folder: %1").arg(describe(s)));
    return 0;
}
