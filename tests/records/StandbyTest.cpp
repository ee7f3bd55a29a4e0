#include "ActivityCounts.h"
#include "CertificateSearch.h"
#include "CertificateStore.h"
#include "DataFolder.h"
#include "FoundCertificates.h"
#include "StandbyCluster.h"

#include <QThread>
#include <gtest/gtest.h>
#include "TestPaths.h"

using arc::ReadReason;

// A data source on a primary server with a hot standby, read through the
// standby where it is fit.
class StandbyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(cluster.start());
        ASSERT_TRUE(arc::DataFolder::create(cluster.primaryUri()).ok());
        ASSERT_TRUE(data.open(cluster.primaryUri()).ok());
        reads().setRetryInterval(0);
        reads().onChange([this](ReadReason r, const QString &) { told.push_back(r); });
        reads().setReplica(cluster.standbyUri());
        ASSERT_TRUE(cluster.caughtUp());
    }
    void TearDown() override { data.close(); }

    arc::ReaderRoute &reads() { return data.reads(); }

    // Saved at this workstation, as the certificate screen saves.
    void save(const QString &tracking, const QString &part)
    {
        arc::CertificateStore store(data);
        arc::CertificateEntries entries;
        entries.tracking = tracking;
        entries.lines[0] = {"1", "VALVE", part, "1", "", "NEW", {}, {}};
        qint64 key = 0;
        ASSERT_TRUE(store.save(entries, true, key).ok());
    }
    // Saved by another workstation, straight on the primary.
    void saveElsewhere(const QString &tracking, const QString &part)
    {
        cluster.psql("primary", QStringLiteral("WITH h AS (INSERT INTO \"Header\" (\"Tracking\") VALUES ('%1') "
                                               "RETURNING \"FormIndex\") INSERT INTO \"Detail\" (\"FormIndex\", "
                                               "\"Item\", \"PartNum\") SELECT \"FormIndex\", '1', '%2' FROM h")
                                    .arg(tracking, part));
    }
    // The tracking numbers a search by part-number prefix lists.
    QStringList found(const QString &part)
    {
        const arc::DbStatus s = arc::CertificateSearch::show(data, {{"Detail", "PartNum", part, {}}});
        EXPECT_TRUE(s.ok()) << s.detail().toStdString();
        arc::FoundCertificates list(data.header(), &reads());
        std::vector<arc::FoundCertificate> rows;
        EXPECT_TRUE(list.start().ok());
        EXPECT_TRUE(list.rest(rows).ok());
        QStringList out;
        for (const arc::FoundCertificate &c : rows)
            out << c.tracking;
        out.sort();
        return out;
    }
    bool readsFromStandby() { return &reads().reader() != &data.certificates(); }

    StandbyCluster cluster;
    arc::DataFolder data;
    std::vector<ReadReason> told;
};

TEST_F(StandbyTest, FindListAndReportReadTheStandbyWhileSavingWritesThePrimary)
{
    save("T1", "PN-A");
    ASSERT_TRUE(cluster.caughtUp());
    EXPECT_EQ(found("PN-"), QStringList{"T1"});
    EXPECT_EQ(reads().reason(), ReadReason::Standby);
    EXPECT_TRUE(readsFromStandby());
    EXPECT_EQ(reads().reader().scalar("SELECT pg_is_in_recovery()").toBool(), true);
    // What the standby has not replayed, from another workstation, is not
    // seen yet: the reads really are the standby's.
    cluster.psql("standby", "SELECT pg_wal_replay_pause()");
    saveElsewhere("T2", "PN-B");
    EXPECT_EQ(found("PN-"), QStringList{"T1"});
    arc::ActivityCounts counts;
    ASSERT_TRUE(arc::ActivityCounts::count(reads(), "nobody", QDate(2026, 1, 1), QDate(2026, 12, 31), counts).ok());
    EXPECT_EQ(reads().reason(), ReadReason::Standby);
    cluster.psql("standby", "SELECT pg_wal_replay_resume()");
    ASSERT_TRUE(cluster.caughtUp());
    EXPECT_EQ(found("PN-"), (QStringList{"T1", "T2"}));
    // Saving and numbering kept to the primary.
    EXPECT_EQ(data.certificates().scalar("SELECT pg_is_in_recovery()").toBool(), false);
    EXPECT_EQ(told, std::vector<ReadReason>{ReadReason::Standby});
}

TEST_F(StandbyTest, ACertificateJustSavedHereIsFoundBeforeTheStandbyReplaysIt)
{
    cluster.psql("standby", "SELECT pg_wal_replay_pause()");
    save("T1", "PN-A");
    EXPECT_EQ(found("PN-"), QStringList{"T1"});
    EXPECT_EQ(reads().reason(), ReadReason::CatchingUp);
    EXPECT_FALSE(readsFromStandby());
    cluster.psql("standby", "SELECT pg_wal_replay_resume()");
    ASSERT_TRUE(cluster.caughtUp());
    EXPECT_EQ(found("PN-"), QStringList{"T1"});
    EXPECT_EQ(reads().reason(), ReadReason::Standby);
    // Catching up with a save is no passing over: nothing is said of it.
    EXPECT_EQ(told, std::vector<ReadReason>{ReadReason::Standby});
}

TEST_F(StandbyTest, AStandbyFarBehindIsPassedOverAndSaidOnce)
{
    reads().setLagLimit(1);
    saveElsewhere("T1", "PN-A");
    ASSERT_TRUE(cluster.caughtUp());
    EXPECT_EQ(found("PN-"), QStringList{"T1"});
    cluster.psql("standby", "SELECT pg_wal_replay_pause()");
    QThread::msleep(1500);
    saveElsewhere("T2", "PN-B");
    EXPECT_EQ(found("PN-"), (QStringList{"T1", "T2"}));
    EXPECT_EQ(found("PN-"), (QStringList{"T1", "T2"}));
    EXPECT_EQ(reads().reason(), ReadReason::Lagging);
    cluster.psql("standby", "SELECT pg_wal_replay_resume()");
    ASSERT_TRUE(cluster.caughtUp());
    EXPECT_EQ(found("PN-"), (QStringList{"T1", "T2"}));
    EXPECT_EQ(told, (std::vector<ReadReason>{ReadReason::Standby, ReadReason::Lagging, ReadReason::Standby}));
}

// An idle primary: the standby's last replayed transaction grows old
// although nothing lags.
TEST_F(StandbyTest, AnIdlePrimarysStandbyIsNotLagging)
{
    reads().setLagLimit(1);
    saveElsewhere("T1", "PN-A");
    ASSERT_TRUE(cluster.caughtUp());
    QThread::msleep(1500);
    EXPECT_EQ(found("PN-"), QStringList{"T1"});
    EXPECT_EQ(reads().reason(), ReadReason::Standby);
}

TEST_F(StandbyTest, AStoppedStandbyIsPassedOverAndSaidOnce)
{
    save("T1", "PN-A");
    ASSERT_TRUE(cluster.caughtUp());
    EXPECT_EQ(found("PN-"), QStringList{"T1"});
    cluster.stop("standby");
    EXPECT_EQ(found("PN-"), QStringList{"T1"});
    EXPECT_EQ(found("PN-"), QStringList{"T1"});
    EXPECT_EQ(reads().reason(), ReadReason::Unreachable);
    EXPECT_FALSE(readsFromStandby());
    EXPECT_EQ(told, (std::vector<ReadReason>{ReadReason::Standby, ReadReason::Unreachable}));
}

TEST_F(StandbyTest, AnAddressOfThePrimaryOrOfNoServerIsSaidOnceAndThePrimaryRead)
{
    save("T1", "PN-A");
    const struct {
        QString address;
        ReadReason reason;
    } cases[] = {
        {cluster.primaryUri(), ReadReason::SameAsPrimary},
        {"standby.example", ReadReason::InvalidAddress},
        {"postgresql://arc@/postgres?host=" + cluster.dir("none") + "&port=5434", ReadReason::Unreachable},
    };
    for (const auto &c : cases) {
        told.clear();
        reads().setReplica(c.address);
        EXPECT_EQ(found("PN-"), QStringList{"T1"}) << c.address.toStdString();
        EXPECT_EQ(found("PN-"), QStringList{"T1"}) << c.address.toStdString();
        EXPECT_EQ(reads().reason(), c.reason) << c.address.toStdString();
        EXPECT_FALSE(readsFromStandby());
        EXPECT_EQ(told.size(), 1u) << c.address.toStdString();
    }
}

TEST_F(StandbyTest, APromotedStandbyIsPassedOverAndSavingStaysOnThePrimary)
{
    save("T1", "PN-A");
    ASSERT_TRUE(cluster.caughtUp());
    EXPECT_EQ(found("PN-"), QStringList{"T1"});
    cluster.promoteStandby();
    save("T2", "PN-B");
    EXPECT_EQ(found("PN-"), (QStringList{"T1", "T2"}));
    EXPECT_EQ(reads().reason(), ReadReason::NotInRecovery);
    EXPECT_EQ(cluster.psql("primary", "SELECT count(*) FROM \"Header\""), "2");
    EXPECT_EQ(cluster.psql("standby", "SELECT count(*) FROM \"Header\""), "1");
    EXPECT_EQ(told, (std::vector<ReadReason>{ReadReason::Standby, ReadReason::NotInRecovery}));
}

TEST_F(StandbyTest, TheRegisterIsExportedFromTheStandbyOrSaysWhyNot)
{
    saveElsewhere("T1", "PN-A");
    ASSERT_TRUE(cluster.caughtUp());
    cluster.psql("standby", "SELECT pg_wal_replay_pause()");
    saveElsewhere("T2", "PN-B");
    const auto exported = [&](const QString &replica, QString *said) {
        const QString file = cluster.dir("register.csv");
        QProcess p;
        p.start(test_paths::program("arc8130-export"), {"--force", "--replica", replica, cluster.primaryUri(), file});
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        *said = QString::fromUtf8(p.readAllStandardError());
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    QString said;
    const QString fromStandby = exported(cluster.standbyUri(), &said);
    EXPECT_TRUE(fromStandby.contains("T1"));
    EXPECT_FALSE(fromStandby.contains("T2")) << "not replayed on the standby yet";
    EXPECT_FALSE(said.contains("primary")) << said.toStdString();
    const QString fromPrimary = exported(cluster.primaryUri(), &said);
    EXPECT_TRUE(fromPrimary.contains("T2"));
    EXPECT_EQ(said.count("names the primary server itself"), 1) << said.toStdString();
}
