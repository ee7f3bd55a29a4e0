#include "NewCertificateDefaults.h"
#include "OpenedSource.h"
#include "Rows.h"

using namespace arc;

// Numbers are issued from the Defaults row alike on a data folder and on a
// server database.
class NewCertificateDefaultsTest : public OpenedSourceTest {
protected:

    // Set fields of the one Defaults row; a null QVariant makes a field null.
    void setDefaults(const QVariantMap &fields) { writeRow(data.defaults(), fields, true); }

    // What the file holds, not what the cursor remembers.
    QVariant stored(const QString &field)
    {
        return data.certificates().scalar(QString("SELECT \"%1\" FROM \"Defaults\"").arg(field));
    }

    std::optional<NewCertificateDefaults> issue()
    {
        DbStatus s;
        auto d = NewCertificateDefaults::issue(data.defaults(), &s);
        EXPECT_TRUE(s.ok()) << s.detail().toStdString();
        EXPECT_FALSE(data.certificates().inTransaction());
        return d;
    }
};
ARC_ON_BOTH_ENGINES(NewCertificateDefaultsTest);

// Each issue after setting `set`: what the new certificate shows (tracking,
// invoice, batch, status, authority) and what the row then holds
// (Tracking, Invoice, Batch, Country). A null counter is never written;
// switched off, a number is only tidied, and the tidied form stored.
TEST_P(NewCertificateDefaultsTest, IssuesNumbersAndStoresOnlyCountersThatHoldAValue)
{
    const struct {
        QVariantMap set;
        QStringList shownAndStored;
    } issues[] = {
        {{{"IncreaseTrack", 1}, {"Tracking", "000099"}, {"IncreaseInv", 1}, {"Invoice", "INV-0042"}, {"IncreaseBatch", 1},
          {"Status", "OVERHAULED"}},
         {"000100", "INV-43", "1", "OVERHAULED", "FAA/United States", "000100", "INV-43", "null", "FAA/United States"}},
        {{}, {"000101", "INV-44", "1", "OVERHAULED", "FAA/United States", "000101", "INV-44", "null", "FAA/United States"}},
        {{{"Tracking", QVariant()}, {"Country", QVariant()}, {"Status", QVariant()}},
         {"000001", "INV-45", "1", "NEW", "FAA/United States", "null", "INV-45", "null", "null"}},
        {{}, {"000001", "INV-46", "1", "NEW", "FAA/United States", "null", "INV-46", "null", "null"}},
        {{{"IncreaseTrack", 0}, {"Tracking", "12"}, {"IncreaseInv", 0}, {"Invoice", "0042"}},
         {"000012", "0042", "1", "NEW", "FAA/United States", "000012", "0042", "null", "null"}},
        {{}, {"000012", "0042", "1", "NEW", "FAA/United States", "000012", "0042", "null", "null"}},
    };
    int n = 0;
    for (const auto &i : issues) {
        if (!i.set.isEmpty())
            setDefaults(i.set);
        const auto d = issue();
        ASSERT_TRUE(d) << "issue " << n;
        QStringList got{d->tracking, d->invoice, d->batch, d->status, d->country};
        for (const char *field : {"Tracking", "Invoice", "Batch", "Country"})
            got << (stored(field).isNull() ? "null" : stored(field).toString());
        EXPECT_EQ(got, i.shownAndStored) << "issue " << n++;
    }

    // Without a Defaults row nothing is issued, and no row is made.
    ASSERT_TRUE(data.certificates().exec("DELETE FROM \"Defaults\"").ok());
    EXPECT_FALSE(issue());
    EXPECT_EQ(data.certificates().scalar("SELECT count(*) FROM \"Defaults\"").toInt(), 0);
}

// A number is issued only once its counter is stored: when storing fails,
// or the next number outgrows its field, no number is shown and the stored
// counters stay as they were, so the next certificate cannot repeat one.
// The failing store is made with a trigger of the folder's engine.
using CountersNotStored = NewCertificateDefaultsTest;
INSTANTIATE_TEST_SUITE_P(Folder, CountersNotStored, ::testing::Values(Engine::SQLite), engineName);
TEST_P(CountersNotStored, NumbersWhoseCountersCannotBeStoredAreNotIssued)
{
    setDefaults({{"IncreaseTrack", 1}, {"Tracking", "000041"}, {"IncreaseInv", 1}, {"Invoice", "99"},
                 {"IncreaseBatch", 1}, {"Batch", "B-7"}, {"Remarks", "Kept"}});
    ASSERT_TRUE(data.certificates()
                    .exec("CREATE TRIGGER full BEFORE UPDATE ON Defaults BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                    .ok());
    DbStatus s;
    auto d = NewCertificateDefaults::issue(data.defaults(), &s);
    ASSERT_TRUE(d);
    EXPECT_FALSE(s.ok());
    EXPECT_FALSE(d->numbersIssued);
    EXPECT_EQ(d->tracking + d->invoice + d->batch, "");
    EXPECT_EQ(d->remarks, "Kept");
    EXPECT_EQ(stored("Tracking").toString(), "000041");
    EXPECT_FALSE(data.certificates().inTransaction());
    ASSERT_TRUE(data.certificates().exec("DROP TRIGGER full").ok());

    setDefaults({{"Tracking", QString(15, '9')}});
    d = NewCertificateDefaults::issue(data.defaults(), &s);
    ASSERT_TRUE(d);
    EXPECT_TRUE(s.is(DbCondition::FieldTooSmall));
    EXPECT_EQ(s.detail(), "the next tracking number 1" + QString(15, '0') +
                              " is longer than the 15 characters its field holds");
    EXPECT_EQ(d->tracking + d->invoice + d->batch, "");
    EXPECT_EQ(stored("Tracking").toString(), QString(15, '9'));
    EXPECT_EQ(stored("Invoice").toString(), "99") << "no counter moves when one cannot";
}
