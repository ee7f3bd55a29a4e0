#include "DefaultsForm.h"
#include "NewCertificateDefaults.h"
#include "OpenedSource.h"
#include "Rows.h"
#include "SetupSettings.h"

using namespace arc;

class DefaultsTest : public OpenedSourceTest {
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

    QString rows() // every row: Country:Organ1:IncreaseTrack
    {
        return data.certificates()
            .scalar("SELECT group_concat(ifnull(Country,'null') || ':' || ifnull(Organ1,'null') || ':' || "
                    "ifnull(IncreaseTrack,'null'), ' | ') FROM (SELECT * FROM Defaults ORDER BY rowid)")
            .toString();
    }
};
ARC_ON_BOTH_ENGINES(DefaultsTest);

// Each issue after setting `set`: the new certificate's tracking, invoice,
// batch, status and authority, then the row's Tracking, Invoice, Batch and
// Country. Switched off, a number is only tidied, and the tidied form stored.
TEST_P(DefaultsTest, IssuesNumbersAndStoresOnlyCountersThatHoldAValue)
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

    // Without a Defaults row nothing is issued, and none is made.
    ASSERT_TRUE(data.certificates().exec("DELETE FROM \"Defaults\"").ok());
    EXPECT_FALSE(issue());
    EXPECT_EQ(data.certificates().scalar("SELECT count(*) FROM \"Defaults\"").toInt(), 0);
}

// A number shown before its counter is stored could be issued again by the
// next certificate. The failing store is a trigger of the folder's engine.
using DefaultsOnFolder = DefaultsTest;
INSTANTIATE_TEST_SUITE_P(Folder, DefaultsOnFolder, ::testing::Values(Engine::SQLite), engineName);
TEST_P(DefaultsOnFolder, NumbersWhoseCountersCannotBeStoredAreNotIssued)
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

// On an empty table the main row is made, then the settings row; a blank
// authority is "FAA/United States" and a blank count one copy.
TEST_P(DefaultsOnFolder, TheDefaultsFormStoresAndOpensAsItWasEntered)
{
    ASSERT_TRUE(data.certificates().exec("DELETE FROM Defaults").ok());
    DefaultsForm f;
    f.country = " ";
    f.tracking = "000041";
    f.increaseTrack = true;
    f.invoice = "WO-1\nrev B";
    f.remarks = "";
    f.copies = "";
    f.largeRemarks = true;
    ASSERT_TRUE(DefaultsForm::store(data.defaults(), f).ok());
    EXPECT_EQ(rows(), "FAA/United States:1:1 | Custom:1:1");
    EXPECT_EQ(stored("Invoice").toString(), "WO-1\r\nrev B");
    EXPECT_EQ(stored("Remarks").toString(), " ");

    DefaultsForm back;
    back.copies = "kept";
    DefaultsForm::load(data.defaults(), back);
    EXPECT_EQ(back.country, "FAA/United States");
    EXPECT_EQ(back.remarks, " ") << "a stored blank opens as a blank";
    EXPECT_EQ(back.invoice, "WO-1\nrev B");
    EXPECT_EQ(back.copies, "1");
    EXPECT_TRUE(back.largeRemarks);
    EXPECT_TRUE(back.increaseTrack);
    EXPECT_FALSE(back.increaseInv);

    // Too long a value: the rest and the settings row are still stored.
    f.tracking = QString(16, '9');
    f.description = "Seal";
    f.copies = "3";
    EXPECT_TRUE(DefaultsForm::store(data.defaults(), f).is(DbCondition::FieldTooSmall));
    EXPECT_EQ(stored("Tracking").toString(), "000041");
    EXPECT_EQ(stored("Description").toString(), "Seal");
    EXPECT_EQ(rows(), "FAA/United States:3:1 | Custom:3:1");
}

// Null numbers open as "1" while counting is on, empty while it is off;
// a switch is on only for a stored 1; copies open as their leading number.
TEST_P(DefaultsOnFolder, NullNumbersSwitchesAndCopiesOpenAsThePanelShowsThem)
{
    setDefaults({{"Tracking", QVariant()}, {"IncreaseTrack", 1}, {"Invoice", QVariant()}, {"IncreaseInv", 0},
                 {"Batch", QVariant()}, {"IncreaseBatch", 2}});
    for (const auto &[organ1, shown] : {std::pair<QVariant, QString>{QVariant(), "1"}, {"2.0", "2"},
                                        {"3 copies", "3"}, {"abc", "0"}}) {
        ASSERT_TRUE(data.certificates().exec("DELETE FROM Defaults WHERE Country = 'Custom'").ok());
        writeRow(data.defaults(), {{"Country", "Custom"}, {"Organ1", organ1}});
        DefaultsForm f;
        f.copies = "kept";
        DefaultsForm::load(data.defaults(), f);
        EXPECT_EQ(f.copies, shown) << organ1.toString().toStdString();
        EXPECT_EQ(f.tracking, "1");
        EXPECT_EQ(f.invoice, "");
        EXPECT_EQ(f.batch, "") << "a switch of 2 is off";
        EXPECT_FALSE(f.increaseBatch);
    }
}

TEST_P(DefaultsOnFolder, AnAuthorityTypedAsCustomNeverMakesTheMainRowTheSettingsRow)
{
    DefaultsForm f;
    f.country = "Custom";
    f.increaseTrack = true;
    f.copies = "2";
    f.largeRemarks = false;
    ASSERT_TRUE(DefaultsForm::store(data.defaults(), f).ok());
    ASSERT_TRUE(DefaultsForm::store(data.defaults(), f).ok());
    EXPECT_EQ(rows(), "Custom:2:1 | Custom:2:0");
    DefaultsForm back;
    DefaultsForm::load(data.defaults(), back);
    EXPECT_TRUE(back.increaseTrack);
    EXPECT_FALSE(back.largeRemarks);
}

// Any stored value above 1 is landscape, as printing reads it.
TEST_P(DefaultsOnFolder, SetupSettingsRoundTripAndOrientationAgreesWithPrinting)
{
    for (const auto &[user1, landscape] : {std::pair<QVariant, bool>{QVariant(), false}, {"0", false}, {"1", false},
                                           {"2", true}, {"3", true}, {"two", false}}) {
        setDefaults({{"User1", user1}});
        SetupSettings s;
        SetupSettings::load(data.defaults(), s);
        EXPECT_EQ(s.landscape, landscape) << user1.toString().toStdString();
        ASSERT_TRUE(SetupSettings::store(data.defaults(), s).ok());
        EXPECT_EQ(stored("User1").toString(), landscape ? "2" : "1");
    }
    SetupSettings s;
    s.organ2 = "";
    s.shade = true;
    ASSERT_TRUE(SetupSettings::store(data.defaults(), s).ok());
    EXPECT_EQ(stored("Organ2").toString() + stored("Shade").toString(), " 1");
}
