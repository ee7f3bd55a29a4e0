// A run of copies issued together is one unit of the log: a run cut off
// part-way is found, at any workstation, with what of it was issued, once
// the program that issued it is gone; it is then finished or left.

#include "BatchCopies.h"
#include "IssuedPage.h"
#include "IssueRuns.h"
#include "KilledChild.h"
#include "OpenedSource.h"
#include "PrintTo.h"
#include "SignedEntries.h"
#include "TestPaths.h"

namespace {

class IssueRunOnEngine : public OpenedSourceTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenedSourceTest::SetUp());
        ASSERT_TRUE(data.certificates().exec("UPDATE \"Defaults\" SET \"Tracking\" = 'VAS-26-0039', \"IncreaseTrack\" = 1").ok());
        ASSERT_TRUE(data.defaults().refresh().ok());
        arc::CertificateEntries e = signedEntries();
        e.lines[1] = {};
        const arc::BatchCopies::Result r = arc::BatchCopies::store(data, e, arc::BatchCopies::serials("SN-1", 20));
        ASSERT_TRUE(r.status.ok()) << r.status.detail().toStdString();
        keys = r.keys;
        ASSERT_TRUE(opened.openAnother(station, arc::StoreKind::Certificates).ok());
    }
    void issue(arc::Database &db, qint64 key)
    {
        const arc::IssueResult issued = recordIssue(data, issueRequest(key, "%PDF-1.4 page " + QByteArray::number(key)), &db);
        ASSERT_TRUE(issued.ok()) << issued.detail.toStdString();
    }
    std::vector<arc::IssueRun> cutOff(arc::Database &db)
    {
        arc::DbStatus s;
        std::vector<arc::IssueRun> runs = arc::IssueRuns(db).cutOff(&s);
        EXPECT_TRUE(s.ok()) << s.detail().toStdString();
        return runs;
    }

    std::vector<qint64> keys;
    arc::Database station; // another workstation
};

TEST_P(IssueRunOnEngine, ARunCutOffIsNamedUntilItsRestIsIssuedOrLeft)
{
    {
        arc::IssueRuns::Begun begun = arc::IssueRuns(data.certificates()).begin(keys, "Pat Doe");
        ASSERT_TRUE(begun.status.ok()) << begun.status.detail().toStdString();
        for (int k = 0; k < 7; ++k)
            ASSERT_NO_FATAL_FAILURE(issue(data.certificates(), keys[k]));
        EXPECT_TRUE(cutOff(station).empty()) << "still being issued: not cut off";
    } // stopped after 7 copies, as a kill would stop it

    for (arc::Database *db : {&station, &data.certificates()}) {
        const std::vector<arc::IssueRun> runs = cutOff(*db);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].summary(), "run of 20 from VAS-26-0040: 7 issued, 13 not");
        EXPECT_EQ(runs[0].signatory, "Pat Doe");
        EXPECT_EQ(arc::IssueRuns(*db).unissued(runs[0]), std::vector<qint64>(keys.begin() + 7, keys.end()));
    }

    // Taken up at one station, the rest is issued there; another that read
    // it as cut off too cannot take it up as well.
    const arc::IssueRun cut = cutOff(station).at(0);
    {
        arc::IssueRuns::Begun resumed = arc::IssueRuns(station).resume(cut);
        ASSERT_TRUE(resumed.status.ok()) << resumed.status.detail().toStdString();
        EXPECT_TRUE(arc::IssueRuns(data.certificates()).resume(cut).status.is(arc::DbCondition::ChangedElsewhere));
        EXPECT_TRUE(cutOff(data.certificates()).empty()) << "being finished";
        for (qint64 key : arc::IssueRuns(station).unissued(cut))
            ASSERT_NO_FATAL_FAILURE(issue(station, key));
        ASSERT_TRUE(arc::IssueRuns(station).end(resumed.run, arc::IssueRuns::Ending::Issued).ok());
    }
    EXPECT_TRUE(cutOff(data.certificates()).empty());
    EXPECT_EQ(logged(), 20);

    // Left: stored and unissued, and never named again.
    {
        const arc::IssueRuns::Begun begun = arc::IssueRuns(data.certificates()).begin({keys[0], keys[1]}, "Pat Doe");
        ASSERT_TRUE(begun.status.ok());
    }
    const std::vector<arc::IssueRun> again = cutOff(station);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].summary(), "run of 2 from VAS-26-0040: 2 issued, 0 not") << "issued, its file not written";
    ASSERT_TRUE(arc::IssueRuns(station).end(again[0], arc::IssueRuns::Ending::Left).ok());
    EXPECT_TRUE(cutOff(data.certificates()).empty());
    EXPECT_EQ(data.certificates().scalar("SELECT \"Size\" FROM \"IssueRuns\" ORDER BY \"RunIndex\"").toInt(), 20)
        << "the run's size and first number are logged";
}

ARC_ON_BOTH_ENGINES(IssueRunOnEngine);

// A program killed while it issues a run leaves it named at the next
// opening, with the copies it issued before the kill.
class IssueRunKilled : public OpenedFolderTest {};

TEST_F(IssueRunKilled, TheRunIsNamedWithWhatWasIssued)
{
    arc::CertificateEntries e = signedEntries();
    e.lines[1] = {};
    ASSERT_TRUE(arc::BatchCopies::store(data, e, arc::BatchCopies::serials("SN-1", 5)).status.ok());
    data.close();
    const KilledChild child = KilledChild::run(test_paths::program("arc_test_child"), {"issue-run", folder(), "3"}, 4, 0);
    EXPECT_TRUE(child.killedWhileRunning);
    ASSERT_TRUE(child.output.endsWith("stopped\n")) << child.output.toStdString();
    ASSERT_TRUE(data.open(folder()).ok());
    const std::vector<arc::IssueRun> runs = arc::IssueRuns(data.certificates()).cutOff();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].summary(), "run of 5 from 000001: 3 issued, 2 not");
}

} // namespace
