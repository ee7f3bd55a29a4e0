// Several workstations on one data source: numbers never issued twice,
// no save lost, and no certificate silently written over.
#include "CertificateStore.h"
#include "DataFolder.h"
#include "DefaultsForm.h"
#include "OpenedSource.h"
#include "ProgramRun.h"
#include "SignedEntries.h"

#include <QProcess>
#include "TestPaths.h"

using namespace arc;

using StationsOnEngine = OpenedSourceTest;
ARC_ON_BOTH_ENGINES(StationsOnEngine);

TEST_P(StationsOnEngine, TwoStationsIssuingAndSavingAtOnceShareNoNumberAndLoseNoSave)
{
    ASSERT_TRUE(data.certificates()
                    .exec("UPDATE \"Defaults\" SET \"Tracking\" = '000000', \"IncreaseTrack\" = 1, \"Invoice\" = "
                          "'INV-0', \"IncreaseInv\" = 1, \"Batch\" = '0', \"IncreaseBatch\" = 1")
                    .ok());
    constexpr int kEach = 60;
    QProcess a, b;
    a.start(test_paths::program("arc_test_child"), {"station", source(), "A", QString::number(kEach)});
    b.start(test_paths::program("arc_test_child"), {"station", source(), "B", QString::number(kEach)});
    for (QProcess *p : {&a, &b}) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }

    Database &db = data.certificates();
    EXPECT_EQ(db.scalar("SELECT count(*) FROM \"Header\"").toInt(), 2 * kEach);
    EXPECT_EQ(db.scalar("SELECT count(DISTINCT \"Tracking\") FROM \"Header\"").toInt(), 2 * kEach);
    EXPECT_EQ(db.scalar("SELECT count(DISTINCT \"Invoice\") FROM \"Header\"").toInt(), 2 * kEach);
    EXPECT_EQ(db.scalar("SELECT count(DISTINCT \"SerialNum\") FROM \"Detail\"").toInt(), 2 * kEach);
    EXPECT_EQ(db.scalar("SELECT \"Tracking\" FROM \"Defaults\"").toString(), QString("%1").arg(2 * kEach, 6, 10, QChar('0')));
    EXPECT_EQ(db.scalar("SELECT count(*) FROM \"Header\" WHERE \"Remarks\" LIKE '% checked'").toInt(), 2 * kEach)
        << "every second save arrived";
}

// Not even a counter A typed over after B moved it; one nobody else moved
// takes what A typed.
TEST_P(StationsOnEngine, ADefaultsPanelOpenWhileAnotherStationIssuesSetsNoCounterBack)
{
    DataFolder &a = data;
    Database &db = a.certificates();
    ASSERT_TRUE(db.exec("UPDATE \"Defaults\" SET \"Tracking\" = '000000', \"IncreaseTrack\" = 1, \"Invoice\" = "
                        "'INV-0', \"IncreaseInv\" = 1, \"Batch\" = NULL, \"IncreaseBatch\" = 0")
                    .ok());
    DefaultsForm panel;
    DefaultsForm::load(a.defaults(), panel);

    const ProgramRun b = ProgramRun::of(test_paths::program("arc_test_child"), {"station", source(), "B", "4"});
    ASSERT_EQ(b.exit, 0) << b.said.toStdString();

    panel.invoice = "INV-100";
    panel.batch = "B-7";
    panel.description = "Seal";
    ASSERT_TRUE(DefaultsForm::store(a.defaults(), panel).ok());
    const auto stored = [&](const char *field) {
        return db.scalar(QString("SELECT \"%1\" FROM \"Defaults\" WHERE \"Country\" <> 'Custom'").arg(field)).toString();
    };
    EXPECT_EQ(stored("Tracking"), "000004");
    EXPECT_EQ(stored("Invoice"), "INV-4") << "what A typed over a counter B moved is not stored";
    EXPECT_EQ(stored("Batch"), "B-7");
    EXPECT_EQ(stored("Description"), "Seal");

    DefaultsForm::load(a.defaults(), panel);
    panel.tracking = "000100";
    ASSERT_TRUE(DefaultsForm::store(a.defaults(), panel).ok());
    EXPECT_EQ(stored("Tracking"), "000100");
    EXPECT_EQ(stored("Invoice"), "INV-4");
}

// A's save goes through once A has shown it again; a change made by another
// program counts the same.
TEST_P(StationsOnEngine, ACertificateChangedElsewhereSinceShownIsNotWrittenOver)
{
    DataFolder &a = data, b;
    ASSERT_TRUE(b.open(source()).ok());
    CertificateStore storeA(a), storeB(b);
    CertificateEntries e = signedEntries("000007");
    e.remarks = "first";
    qint64 key = savedAsNew(a, e);
    ASSERT_TRUE(storeA.save(e, false, key).ok()) << "its own save is no change elsewhere";

    const auto show = [&](DataFolder &data, CertificateStore &store) {
        ItemSlots lines;
        ASSERT_TRUE(data.header().refresh().ok());
        ASSERT_TRUE(data.header().findFirst("\"FormIndex\" = ?", {key}).ok());
        ASSERT_TRUE(store.loadLines(key, lines).ok());
    };
    show(a, storeA);
    show(b, storeB);
    CertificateEntries fromB = e;
    fromB.lines[0].quantity = "5";
    ASSERT_TRUE(storeB.save(fromB, false, key).ok());

    CertificateEntries fromA = e;
    fromA.remarks = "from A";
    EXPECT_TRUE(storeA.save(fromA, false, key).is(DbCondition::ChangedElsewhere));
    Database &db = a.certificates();
    EXPECT_EQ(db.scalar("SELECT \"Remarks\" FROM \"Header\"").toString(), "first");
    EXPECT_EQ(db.scalar("SELECT \"Quantity\" FROM \"Detail\" WHERE \"Item\" = '1'").toString(), "5");

    show(a, storeA);
    ASSERT_TRUE(storeA.save(fromA, false, key).ok());
    EXPECT_EQ(db.scalar("SELECT \"Remarks\" FROM \"Header\"").toString(), "from A");

    ASSERT_TRUE(b.certificates().exec("UPDATE \"Header\" SET \"Remarks\" = 'by a script'").ok());
    EXPECT_TRUE(storeA.save(fromA, false, key).is(DbCondition::ChangedElsewhere));
    EXPECT_EQ(db.scalar("SELECT \"Remarks\" FROM \"Header\"").toString(), "by a script");
}
