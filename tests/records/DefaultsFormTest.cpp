#include "DefaultsForm.h"
#include "Rows.h"
#include "SetupSettings.h"
#include "OpenedSource.h"

using namespace arc;

class DefaultsFormTest : public OpenedFolderTest {
protected:
    QString rows() // every row: Country:Organ1:IncreaseTrack
    {
        return data.certificates()
            .scalar("SELECT group_concat(ifnull(Country,'null') || ':' || ifnull(Organ1,'null') || ':' || "
                    "ifnull(IncreaseTrack,'null'), ' | ') FROM (SELECT * FROM Defaults ORDER BY rowid)")
            .toString();
    }
    QVariant stored(const QString &field) { return data.certificates().scalar("SELECT " + field + " FROM Defaults LIMIT 1"); }
};

// The first save on an empty table makes the main row and then the
// settings row; blank boxes are one blank and open as one blank; a blank
// authority is "FAA/United States" and a blank count one copy.
TEST_F(DefaultsFormTest, StoringAndOpeningRoundTrip)
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

    // A value too long for its column leaves that column as it was; the
    // rest and the settings row are stored.
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
TEST_F(DefaultsFormTest, NullNumbersSwitchesAndCopiesOpenAsThePanelShowsThem)
{
    writeRow(data.defaults(), {{"Tracking", QVariant()}, {"IncreaseTrack", 1}, {"Invoice", QVariant()}, {"IncreaseInv", 0},
                               {"Batch", QVariant()}, {"IncreaseBatch", 2}},
             true);
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

// "Custom" typed as the authority stays the main row's authority: the
// settings go to a row of their own, and the main row keeps its switches.
TEST_F(DefaultsFormTest, AnAuthorityTypedAsCustomNeverMakesTheMainRowTheSettingsRow)
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

// The set-up panel's settings: orientation stored as "1" or "2" only, and
// any stored value above 1 read as landscape, as printing reads it.
TEST_F(DefaultsFormTest, SetupSettingsRoundTripAndOrientationAgreesWithPrinting)
{
    for (const auto &[user1, landscape] : {std::pair<QVariant, bool>{QVariant(), false}, {"0", false}, {"1", false},
                                           {"2", true}, {"3", true}, {"two", false}}) {
        writeRow(data.defaults(), {{"User1", user1}}, true);
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
    EXPECT_EQ(stored("Organ2 || Shade").toString(), " 1");
}
