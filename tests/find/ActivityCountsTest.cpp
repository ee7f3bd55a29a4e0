#include "ActivityCounts.h"
#include "FoundCertificates.h"
#include "SearchFixture.h"
#include "SqlDialectActivity.h"

#include <QSqlQuery>

using arc::ActivityCounts;

namespace {

class ActivityCountsTest : public SearchOnEngine {
protected:
    // A certificate with a line for each status.
    void signedBy(const QVariantMap &header, const QStringList &statuses)
    {
        const qint64 key = insert("Header", header);
        for (const QString &s : statuses)
            insert("Detail", {{"FormIndex", key}, {"Status", s}});
    }
    // New, prototype and repaired lines of `name` in March 2026.
    std::array<int, 3> march(const QString &name)
    {
        ActivityCounts c;
        const arc::DbStatus s =
            ActivityCounts::count(data.certificates(), name, QDate(2026, 3, 1), QDate(2026, 3, 31), c);
        EXPECT_TRUE(s.ok()) << s.detail().toStdString();
        return {c.newParts, c.prototypes, c.repairs};
    }
};

} // namespace

ARC_ON_BOTH_ENGINES(ActivityCountsTest);

TEST_P(ActivityCountsTest, CountsTheLinesOfTheSignatoryDatedInThePeriodBothEndsIncluded)
{
    signedBy({{"Name17", "Pat Doe"}, {"Date18", "2026-03-01"}}, {"NEW", "NEW", "OVERHAULED"});
    signedBy({{"Name22", "pat doe"}, {"Date23", "2026-03-31"}}, {"REPAIRED", "prototype"});
    // 13e outside the period, 14e inside: counted.
    signedBy({{"Name17", "Pat Doe"}, {"Date18", "2026-02-28"}, {"Date23", "2026-03-15"}}, {"PROTOTYPE"});
    signedBy({{"Name17", "Pat Doe"}, {"Date18", "2026-03-31 09:15:00"}}, {"NEW"});
    signedBy({{"Name17", "Pat Doe"}, {"Date18", "2026-04-01"}}, {"NEW"});
    signedBy({{"Name17", "Pat Doe"}, {"Date18", "2026-02-28"}}, {"NEW"});
    signedBy({{"Name17", "Lee Wong"}, {"Date18", "2026-03-10"}}, {"NEW"});
    // Named in 13d for another's 14e date: the name and either date will do.
    signedBy({{"Name17", "Pat Doe"}, {"Name22", "Lee Wong"}, {"Date23", "2026-03-20"}}, {"REPAIRED"});
    signedBy({{"Name17", "Pat Doe"}, {"Date18", "2026-03-02"}}, {"INSPECTED", "TESTED", "MODIFIED", "SEE BLOCK 12"});
    // Both blocks signed by the one signatory in the period: counted once.
    signedBy({{"Name17", "Pat Doe"}, {"Name22", "PAT DOE"}, {"Date18", "2026-03-03"}, {"Date23", "2026-03-04"}},
             {"REPAIRED"});
    // Names are values, never part of the query.
    const QString quoted = QStringLiteral("Pat \"Ace\" O'Neil");
    signedBy({{"Name17", quoted}, {"Date18", "2026-03-05"}}, {"NEW"});

    EXPECT_EQ(march("Pat Doe"), (std::array<int, 3>{3, 2, 3}));
    EXPECT_EQ(march("Lee Wong"), (std::array<int, 3>{1, 0, 1}));
    EXPECT_EQ(march("Nobody"), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(march(quoted), (std::array<int, 3>{1, 0, 0}));
    EXPECT_EQ(march("Lee Wong\" OR \"1\"=\"1"), (std::array<int, 3>{0, 0, 0}));

    // A correcting certificate releases the same parts again: counted once;
    // remarks that only mention a correction further on still count.
    signedBy({{"Name17", "Ann Roe"}, {"Date18", "2026-03-05"}}, {"NEW", "REPAIRED"});
    signedBy({{"Name17", "Ann Roe"},
              {"Date18", "2026-03-09"},
              {"Remarks", "This FAA Form 8130-3 corrects the error(s) in Block(s) 8 of FAA Form 8130-3 000041 dated "
                          "05/Mar/2026.\nOVERHAULED PER CMM"}},
             {"NEW", "REPAIRED"});
    // Each form's correction is named by its form.
    signedBy({{"Name17", "Ann Roe"},
              {"Date18", "2026-03-11"},
              {"Remarks", "This EASA Form 1 corrects the error(s) in Block(s) 8 of EASA Form 1 000042 dated 05/Mar/2026."}},
             {"NEW"});
    signedBy({{"Name22", "Ann Roe"}, {"Date23", "2026-03-10"}, {"Remarks", "SEE This FAA Form 8130-3 corrects"}},
             {"PROTOTYPE"});
    EXPECT_EQ(march("Ann Roe"), (std::array<int, 3>{1, 1, 1}));
}

// Copies made before they held the signature dates, kept up by triggers
// that wrote no dates, would count nothing dated.
TEST_P(ActivityCountsTest, CopiesWithoutTheDatesAreMadeAnewOnOpening)
{
    signedBy({{"Name17", "Pat Doe"}, {"Date18", "2026-03-05"}}, {"NEW"});
    const QStringList earlier = {
        "DROP TABLE \"HeaderFold\"",
        "CREATE TABLE \"HeaderFold\" (\"FormIndex\" BIGINT PRIMARY KEY, \"Country\" TEXT, \"Tracking\" TEXT, "
        "\"Invoice\" TEXT, \"Name17\" TEXT, \"AuthNum\" TEXT, \"Name22\" TEXT, \"CertNum\" TEXT, \"Fresh\" INTEGER)",
        "INSERT INTO \"HeaderFold\" (\"FormIndex\", \"Name17\", \"Fresh\") SELECT \"FormIndex\", lower(\"Name17\"), 1 "
        "FROM \"Header\""};
    const QStringList trigger =
        GetParam() == arc::Engine::PostgreSQL
            ? QStringList{"CREATE OR REPLACE FUNCTION \"HeaderFold_fold\"() RETURNS trigger LANGUAGE plpgsql AS $f$ "
                          "BEGIN INSERT INTO \"HeaderFold\" (\"FormIndex\", \"Name22\", \"Fresh\") "
                          "VALUES (NEW.\"FormIndex\", lower(NEW.\"Name22\"), 1); RETURN NULL; END $f$"}
            : QStringList{"DROP TRIGGER \"HeaderFold_on_insert\"",
                          "CREATE TRIGGER \"HeaderFold_on_insert\" AFTER INSERT ON \"Header\" BEGIN INSERT INTO "
                          "\"HeaderFold\" (\"FormIndex\", \"Name22\", \"Fresh\") VALUES (NEW.rowid, lower(NEW.\"Name22\"), 1); END"};
    data.close();
    for (const QString &sql : earlier + trigger)
        ASSERT_TRUE(other.exec(sql).ok()) << sql.toStdString();

    ASSERT_TRUE(data.open(opened.source()).ok());
    signedBy({{"Name22", "Pat Doe"}, {"Date23", "2026-03-06"}}, {"REPAIRED"});
    EXPECT_EQ(march("Pat Doe"), (std::array<int, 3>{1, 0, 1}));
}

// Counted from a tally the engine's triggers keep: every kind of write by
// any program, and the folding of names beyond ASCII, must reach it.
TEST_P(ActivityCountsTest, EveryWriteToACertificateReachesTheCounts)
{
    const qint64 a = insert("Header", {{"Name17", "Pat Doe"}, {"Date18", "2026-03-05"}});
    for (const char *status : {"NEW", "REPAIRED", "REPAIRED"})
        insert("Detail", {{"FormIndex", a}, {"Status", status}});
    const qint64 b = insert("Header", {{"Name22", "Pat Doe"}, {"Date23", "2026-03-06"}});
    insert("Detail", {{"FormIndex", b}, {"Status", "PROTOTYPE"}});
    ASSERT_EQ(march("Pat Doe"), (std::array<int, 3>{1, 1, 2}));

    const QString one = QString::number(a), two = QString::number(b);
    struct Write {
        QString sql;
        QString name;
        std::array<int, 3> counts;
    };
    const Write writes[] = {
        {"UPDATE \"Detail\" SET \"Status\" = 'OVERHAULED' WHERE \"Status\" = 'REPAIRED' AND \"FormIndex\" = " + one
             + " AND rowid = (SELECT min(rowid) FROM \"Detail\" WHERE \"FormIndex\" = " + one + ")",
         "Pat Doe", {1, 1, 2}},
        {"UPDATE \"Detail\" SET \"Status\" = 'OVERHAULED' WHERE \"Status\" = 'NEW'", "Pat Doe", {0, 1, 2}},
        {"DELETE FROM \"Detail\" WHERE \"Status\" = 'PROTOTYPE'", "Pat Doe", {0, 0, 2}},
        {"UPDATE \"Detail\" SET \"FormIndex\" = " + two + " WHERE \"FormIndex\" = " + one
             + " AND \"Status\" = 'REPAIRED' AND rowid = (SELECT max(rowid) FROM \"Detail\" WHERE \"FormIndex\" = "
             + one + ")",
         "Pat Doe", {0, 0, 2}},
        {"UPDATE \"Header\" SET \"Date18\" = '2026-04-02' WHERE \"FormIndex\" = " + one, "Pat Doe", {0, 0, 1}},
        {"UPDATE \"Header\" SET \"Name22\" = 'Zoë Ångström' WHERE \"FormIndex\" = " + two, "ZOË ÅNGSTRÖM", {0, 0, 1}},
        {"UPDATE \"Header\" SET \"Remarks\" = 'This UK Form 1 corrects nothing' WHERE \"FormIndex\" = " + two,
         "zoë ångström", {0, 0, 1}},
        {"UPDATE \"Header\" SET \"Remarks\" = 'This CAA Form 1 corrects the error(s) in Block(s) 7' WHERE \"FormIndex\" = "
             + two,
         "zoë ångström", {0, 0, 0}},
        // On two days of the period: counted once.
        {"UPDATE \"Header\" SET \"Remarks\" = NULL, \"Date18\" = '2026-03-07' WHERE \"FormIndex\" = " + two,
         "Zoë Ångström", {0, 0, 1}},
        {"DELETE FROM \"Header\" WHERE \"FormIndex\" = " + two, "Zoë Ångström", {0, 0, 0}},
    };
    for (const Write &w : writes) {
        ASSERT_TRUE(other.exec(w.sql).ok()) << w.sql.toStdString();
        EXPECT_EQ(march(w.name), w.counts) << w.sql.toStdString();
    }
}

// A store of the version before the tally was kept gets it on opening,
// counted from the certificates it holds.
TEST_P(ActivityCountsTest, AStoreOfTheVersionBeforeGetsTheTallyOnOpening)
{
    signedBy({{"Name17", "Pat Doe"}, {"Date18", "2026-03-05"}}, {"NEW", "PROTOTYPE"});
    signedBy({{"Name22", "Zoë Ångström"}, {"Date23", "2026-03-06"}}, {"REPAIRED"});
    data.close();
    const QStringList drops =
        GetParam() == arc::Engine::PostgreSQL
            ? QStringList{"DROP TABLE \"ActivityTally\"", "DROP TABLE \"ListKeys\"", "DROP FUNCTION \"ActivityTally_recount\"() CASCADE",
                          "DROP FUNCTION \"ActivityTally_recount_line\"() CASCADE",
                          "UPDATE \"SchemaVersion\" SET \"Version\" = 10"}
            : QStringList{"DROP TABLE \"ActivityTally\"", "DROP TABLE \"ListKeys\"", "DROP TRIGGER \"ActivityTally_on_HeaderFold_insert\"",
                          "DROP TRIGGER \"ActivityTally_on_HeaderFold_update\"",
                          "DROP TRIGGER \"ActivityTally_on_HeaderFold_delete\"",
                          "DROP TRIGGER \"ActivityTally_on_DetailFold_insert\"",
                          "DROP TRIGGER \"ActivityTally_on_DetailFold_update\"",
                          "DROP TRIGGER \"ActivityTally_on_DetailFold_delete\"",
                          "DROP TRIGGER \"ActivityTally_on_DetailFold_insert_keys\"",
                          "DROP TRIGGER \"ActivityTally_on_DetailFold_update_keys\"",
                          "DROP TRIGGER \"ActivityTally_on_DetailFold_delete_keys\"",
                          "DROP TRIGGER \"ActivityTally_on_DetailFold_insert_marks\"",
                          "DROP TRIGGER \"ActivityTally_on_DetailFold_update_marks\"", "PRAGMA user_version = 10"};
    for (const QString &sql : drops)
        ASSERT_TRUE(other.exec(sql).ok()) << sql.toStdString();
    // Written by the earlier program meanwhile.
    signedBy({{"Name17", "Pat Doe"}, {"Date18", "2026-03-07"}}, {"REPAIRED"});

    ASSERT_TRUE(data.open(opened.source()).ok());
    EXPECT_EQ(march("Pat Doe"), (std::array<int, 3>{1, 1, 1}));
    EXPECT_EQ(march("Zoë Ångström"), (std::array<int, 3>{0, 0, 1}));
    signedBy({{"Name17", "Pat Doe"}, {"Date18", "2026-03-08"}}, {"NEW"});
    EXPECT_EQ(march("Pat Doe"), (std::array<int, 3>{2, 1, 1}));

    // The list sorts them by their kept keys too, a search by status by
    // the marks of every line's status, not only the first's.
    const auto sorted = [this](const std::vector<arc::SearchCondition> &search) {
        QStringList statuses;
        for (const arc::FoundCertificate &c : sortedList(search, arc::FoundCertificates::ListOrder::Status))
            statuses << c.status;
        return statuses;
    };
    EXPECT_EQ(sorted({}), (QStringList{"NEW", "NEW", "REPAIRED", "REPAIRED"}));
    EXPECT_EQ(sorted({{"Detail", "Status", "proto", {}}}), QStringList{"NEW"});
}

// Counted anew after a bulk load, which makes the lines' indexes only
// after: every certificate's tally and sort keys come from one reading of
// the lines, never from a look-up of each certificate's lines (without an
// index, a reading of every line for each certificate).
TEST_P(ActivityCountsTest, EveryCertificateIsCountedAnewFromOneReadingOfTheLines)
{
    const bool server = GetParam() == arc::Engine::PostgreSQL;
    for (const char *index : {"idx_Detail_FormIndex", "idx_Detail_FormIndex_rowid"})
        ASSERT_TRUE(other.exec(QString("DROP INDEX IF EXISTS \"%1\"").arg(index)).ok());
    for (const QString &sql : arc::SqlDialect::refillActivityTable(GetParam())) {
        if (!sql.startsWith("INSERT"))
            continue;
        QSqlQuery q;
        ASSERT_TRUE(other.run(q, (server ? "EXPLAIN " : "EXPLAIN QUERY PLAN ") + sql).ok());
        QStringList plan;
        while (q.next())
            plan << q.value(server ? 0 : 3).toString();
        EXPECT_FALSE(plan.join('\n').contains(server ? "SubPlan" : "CORRELATED")) << plan.join('\n').toStdString();
    }
}
