#include "DataFolder.h"
#include "DataFolderOpener.h"
#include "KilledChild.h"
#include "SetupStore.h"
#include "TempFolder.h"
#include "TestPaths.h"


using namespace arc;

using FirstStartCrashTest = TempFolderTest;

TEST_F(FirstStartCrashTest, AKilledFirstStartIsRepairedByTheNext)
{
    // How long a whole first start takes once the child is running.
    QDir().mkpath(folder() + "calibrate/");
    const KilledChild whole = KilledChild::run(test_paths::program("arc_test_child"), {"first-start", folder() + "calibrate/"}, 2, 0);
    const int done = whole.output.indexOf("done ");
    ASSERT_GE(done, 0) << whole.output.toStdString();
    const int span = std::max(1000, whole.output.mid(done + 5).trimmed().toInt());

    int cutShort = 0;
    for (int round = 0; round < 24; ++round) {
        const QString program = folder() + QStringLiteral("p%1/").arg(round);
        QDir().mkpath(program);
        // Pauses spread evenly over the start, so the kills land in every step.
        const KilledChild killed = KilledChild::run(test_paths::program("arc_test_child"), {"first-start", program}, 1, span * round / 24);
        if (killed.killedWhileRunning && !killed.output.contains("done"))
            ++cutShort;

        SetupStore setup;
        ASSERT_TRUE(setup.open(program).ok()) << "round " << round;
        DataFolder data;
        const OpenedFolder opened = DataFolderOpener::open(setup, data);
        ASSERT_NE(opened.kind, OpenedFolder::Kind::Unusable)
            << "round " << round << ": " << opened.status.detail().toStdString();
        EXPECT_EQ(setup.dataPath(), program) << "round " << round;
        EXPECT_EQ(data.certificates().scalar("SELECT count(*) FROM Defaults").toInt(), 1) << "round " << round;
        EXPECT_EQ(data.certificates().scalar("PRAGMA integrity_check").toString(), "ok") << "round " << round;
        EXPECT_EQ(data.reference().scalar("PRAGMA integrity_check").toString(), "ok") << "round " << round;
    }
    EXPECT_GE(cutShort, 6) << "too few kills landed inside a first start to tell";
}
