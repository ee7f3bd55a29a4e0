// arc8130-demo <programFolder> <demoDataFolder>
// Makes a demo data folder and points the program's set-up file at it, so
// that a first start opens on working screens.

#include "DemoFolder.h"
#include "ProgramFolder.h"
#include "SetupStore.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "arc8130-demo: %s\n", qPrintable(message));
    return 1;
}

QString describe(const arc::DbStatus &s)
{
    QString what;
    switch (s.condition()) {
    case arc::DbCondition::FileNotFound: what = QStringLiteral("file not found"); break;
    case arc::DbCondition::InvalidPath: what = QStringLiteral("no such folder"); break;
    case arc::DbCondition::NotADatabase: what = QStringLiteral("not one of our database files"); break;
    case arc::DbCondition::ReadOnly: what = QStringLiteral("cannot write there"); break;
    case arc::DbCondition::Locked: what = QStringLiteral("in use by another program"); break;
    default: what = QStringLiteral("database error"); break;
    }
    return s.detail().isEmpty() ? what : what + QStringLiteral(" (") + s.detail() + QLatin1Char(')');
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: arc8130-demo <programFolder> <demoDataFolder>"));

    const QString programFolder = args.at(1);
    // The set-up file first: a wrong program folder should not leave a demo
    // folder behind that nothing points at.
    arc::SetupStore setup;
    if (const arc::DbStatus s = setup.open(programFolder); !s.ok())
        return fail(QStringLiteral("cannot open the set-up file in %1: %2").arg(programFolder, describe(s)));

    // The program joins file names straight onto the stored path.
    const QString dataFolder = QDir::cleanPath(QDir(args.at(2)).absolutePath());
    if (!QDir().mkpath(dataFolder))
        return fail(QStringLiteral("cannot make the folder %1").arg(dataFolder));
    const QString dataPath = arc::ProgramFolder::withSlash(dataFolder);

    if (const arc::DbStatus s = arc::DemoFolder::seed(dataPath); !s.ok())
        return fail(QStringLiteral("cannot fill %1: %2").arg(dataPath, describe(s)));
    if (const arc::DbStatus s = setup.setDataPath(dataPath); !s.ok())
        return fail(QStringLiteral("cannot store the data folder: %1").arg(describe(s)));
    return 0;
}
