#include "CertificateStore.h"
#include "DataFolder.h"
#include "DateText.h"
#include "LineBreaks.h"
#include "ReferenceLists.h"
#include "ReferenceRows.h"
#include "SetupStore.h"
#include "OpenedSource.h"

using namespace arc;

using SetupStoreTest = TempFolderTest;
using DataFolderTest = TempFolderTest;

// An installed program cannot write its own folder; the copy is read from then on.
TEST_F(SetupStoreTest, ReadOnlyProgramFolderIsReadAndChangesGoToThePerUserFolder)
{
    const QString program = folder() + "program/", perUser = folder() + "user/";
    QDir().mkpath(program);
    const ProgramFolders installed(program, perUser, false);
    {
        SetupStore made;
        ASSERT_TRUE(made.open(program).ok());
        ASSERT_TRUE(made.setDataPath(QStringLiteral("/srv/arc/data/")).ok());
    }
    const QByteArray shipped = readFile(program + "setupARC.mdb");

    SetupStore setup;
    ASSERT_TRUE(setup.open(installed).ok());
    EXPECT_EQ(setup.filePath(), program + "setupARC.mdb");
    EXPECT_EQ(setup.dataPath(), QStringLiteral("/srv/arc/data/"));
    EXPECT_EQ(setup.homeFolder(), perUser);
    EXPECT_FALSE(QFile::exists(perUser + "setupARC.mdb")) << "nothing written until something changes";

    ASSERT_TRUE(setup.setDataPath(QStringLiteral("/home/pat/arc/")).ok());
    EXPECT_EQ(setup.filePath(), perUser + "setupARC.mdb");
    EXPECT_EQ(readFile(program + "setupARC.mdb"), shipped);

    SetupStore again;
    ASSERT_TRUE(again.open(installed).ok());
    EXPECT_EQ(again.dataPath(), QStringLiteral("/home/pat/arc/"));
    EXPECT_EQ(again.database().scalar("SELECT count(*) FROM Setup").toInt(), 1) << "the one row, changed";
    ASSERT_TRUE(again.setDataPath(std::nullopt).ok());
    EXPECT_FALSE(again.dataPath().has_value());
}

// The certificates file is moved last: a folder counts as started once it is there.
// The standby's address is kept per workstation; a set-up file of the
// version before it gains its field and keeps its data folder.
TEST_F(SetupStoreTest, TheStandbysAddressIsKeptAndAnEarlierSetupFileGainsItsField)
{
    {
        SetupStore made;
        ASSERT_TRUE(made.open(folder()).ok());
        ASSERT_TRUE(made.setDataPath(QStringLiteral("postgresql://arc@primary/arc")).ok());
        ASSERT_TRUE(made.database().exec("ALTER TABLE Setup DROP COLUMN ReplicaUri").ok());
        ASSERT_TRUE(made.database().exec("PRAGMA user_version = 8").ok());
    }
    SetupStore setup;
    ASSERT_TRUE(setup.open(folder()).ok());
    EXPECT_EQ(setup.dataPath(), QStringLiteral("postgresql://arc@primary/arc"));
    EXPECT_EQ(setup.replicaUri(), QString());
    ASSERT_TRUE(setup.setReplicaUri(QStringLiteral(" postgresql://arc@standby/arc ")).ok());

    SetupStore again;
    ASSERT_TRUE(again.open(folder()).ok());
    EXPECT_EQ(again.replicaUri(), QStringLiteral("postgresql://arc@standby/arc"));
    ASSERT_TRUE(again.setReplicaUri(QString()).ok());
    EXPECT_TRUE(again.database().scalar("SELECT ReplicaUri FROM Setup").isNull()) << "none is stored as null";
}

TEST_F(DataFolderTest, CreationMovesWholeFilesIntoPlaceAndFinishesOneCutShort)
{
    EXPECT_TRUE(DataFolder::isUnstarted(folder()));
    ASSERT_TRUE(DataFolder::create(folder()).ok());
    EXPECT_FALSE(DataFolder::isUnstarted(folder()));
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), (QStringList{"VELLORAN.MDB", "VELLORANA.MDB"}));

    // Cut short after the reference file was moved: that file is kept.
    {
        DataFolder data;
        ASSERT_TRUE(data.open(folder()).ok());
        ASSERT_TRUE(data.reference().exec("INSERT INTO Stamps (StampNumber) VALUES ('7')").ok());
    }
    QFile::rename(file("VELLORAN.MDB"), file("VELLORAN.MDB.new"));
    EXPECT_TRUE(DataFolder::isUnstarted(folder()));
    ASSERT_TRUE(DataFolder::create(folder()).ok());
    DataFolder data;
    ASSERT_TRUE(data.open(folder()).ok());
    EXPECT_EQ(data.reference().scalar("SELECT StampNumber FROM Stamps").toString(), "7");
    EXPECT_EQ(data.certificates().scalar("SELECT Country FROM Defaults").toString(), "FAA/United States");
    EXPECT_FALSE(QFile::exists(file("VELLORAN.MDB.new")));

    // A reference file alone, with no creation under way, is someone's data.
    const QString alone = folder() + "alone/";
    QDir().mkpath(alone);
    QFile::copy(file("VELLORANA.MDB"), alone + "VELLORANA.MDB");
    EXPECT_FALSE(DataFolder::isUnstarted(alone));
}

TEST_F(OpenedFolderTest, LoadLinesGivesEveryLineInStoredOrderAndRepairsOrphans)
{
    Database &db = data.certificates();
    const auto addLine = [&](const QVariant &form, const QString &item) {
        ASSERT_TRUE(db.exec("INSERT INTO Detail (FormIndex, Item, Status) VALUES (?, ?, 'NEW')", {form, item}).ok());
    };
    addLine(QVariant(), "orphan");
    for (int i = 12; i >= 1; --i) {
        addLine(7, QString::number(i));
        if (i == 6)
            addLine(8, "other form");
    }

    CertificateStore store(data);
    ItemSlots lines(1);
    lines[0].item = "stale";
    ASSERT_TRUE(store.loadLines(99, lines).ok());
    EXPECT_EQ(lines, paddedLines({}));

    ASSERT_TRUE(store.loadLines(7, lines).ok());
    ASSERT_EQ(lines.size(), 12u) << "every stored line, past the grid's ten";
    for (int n = 0; n < 12; ++n) {
        EXPECT_EQ(lines[n].item, QString::number(12 - n));
        EXPECT_EQ(lines[n].status, "NEW");
        EXPECT_EQ(lines[n].description, "");
    }
    EXPECT_EQ(db.scalar("SELECT count(*) FROM Detail WHERE FormIndex IS NULL").toInt(), 0);
    ASSERT_TRUE(store.loadLines(0, lines).ok());
    EXPECT_EQ(lines[0].item, "orphan");
    EXPECT_TRUE(lines[1].isEmptyLine());
}

// Wherever the shared cursor stands; a row deleted meanwhile is not recreated
// and leaves nothing pending on the cursor for the next write.
TEST_F(OpenedFolderTest, ReferenceRowsWriteTheRowTheyNameAndReportOneThatIsGone)
{
    DataView &countries = data.countries();
    const RowWritten norway = ReferenceRows::storeCountry(countries, 0, {"Norway", false, true});
    const RowWritten chile = ReferenceRows::storeCountry(countries, 0, {"Chile", true, false});
    ASSERT_TRUE(norway.ok() && chile.ok());
    ASSERT_NE(norway.rowId, chile.rowId);
    ASSERT_TRUE(countries.moveLast().ok());
    EXPECT_TRUE(ReferenceRows::storeCountry(countries, norway.rowId, {"Norway", true, true}).ok());
    const auto rows = [&] {
        QStringList out;
        for (const CountryEntry &c : ReferenceLists::countries(countries))
            out << QStringLiteral("%1%2%3").arg(c.name).arg(c.bilateral).arg(c.jaa);
        return out.join(' ');
    };
    EXPECT_EQ(rows(), "Norway11 Chile10");

    EXPECT_TRUE(ReferenceRows::remove(countries, chile.rowId).ok());
    EXPECT_TRUE(ReferenceRows::remove(countries, chile.rowId).is(DbCondition::RecordGone));
    EXPECT_TRUE(ReferenceRows::storeCountry(countries, chile.rowId, {"Chile", true, true})
                    .status.is(DbCondition::RecordGone));
    EXPECT_FALSE(countries.isEditing());
    EXPECT_EQ(rows(), "Norway11");

    // A signatory saved with an empty name keeps the stored one.
    const RowWritten pat = ReferenceRows::storeSignatory(data.agents(), 0, {"Pat", "D-1", "h", false, true, "p.bmp"});
    ASSERT_TRUE(pat.ok());
    ASSERT_TRUE(ReferenceRows::storeSignatory(data.agents(), pat.rowId, {"", "D-2", "h", true, false, QString()}).ok());
    const QList<AgentEntry> agents = ReferenceLists::agents(data.agents());
    ASSERT_EQ(agents.size(), 1);
    EXPECT_EQ(agents[0].name + agents[0].approvalNumber, "PatD-2");
}

TEST(DateTextTest, WritesAndReadsDaysWithEnglishMonthNamesAndStoredLineBreaks)
{
    EXPECT_EQ(DateText::format(QDate(2026, 12, 5)), "05/Dec/2026");
    EXPECT_EQ(DateText::format(QDate()), "");
    for (const char *same : {"05/Dec/2026", " 5 Dec 2026 ", "05/12/2026", "5.12.2026", "5-12-2026", "2026-12-05"})
        EXPECT_EQ(DateText::parse(same), QDate(2026, 12, 5)) << same;
    // Numbers alone are day first, never the American month first.
    EXPECT_EQ(DateText::parse("12/05/2026"), QDate(2026, 5, 12));
    for (const char *notADate : {"hello", "31/Feb/2026", "12/31/2026", ""})
        EXPECT_FALSE(DateText::parse(notADate).isValid()) << notADate;

    EXPECT_EQ(LineBreaks::toStored("a\nb\r\nc"), "a\r\nb\r\nc");
    EXPECT_EQ(LineBreaks::toScreen("a\r\nb\r\nc"), "a\nb\nc");
}
