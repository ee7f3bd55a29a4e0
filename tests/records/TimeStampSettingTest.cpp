// The time-stamp service's address, kept with the data source in Defaults
// (added in version 9).

#include "DataFolder.h"
#include "Database.h"
#include "SetupSettings.h"
#include "TempFolder.h"

using namespace arc;

using TimeStampSettingTest = TempFolderTest;

// A version 8 file gains the column, its row kept and no service set.
TEST_F(TimeStampSettingTest, AVersion8FileGainsTheAddressAndKeepsItsDefaults)
{
    ASSERT_TRUE(DataFolder::create(folder()).ok());
    {
        Database made;
        ASSERT_TRUE(made.open(folder() + "VELLORAN.MDB", StoreKind::Certificates).ok());
        for (const char *sql : {"DELETE FROM Defaults", "ALTER TABLE Defaults DROP COLUMN TsaUrl",
                                "INSERT INTO Defaults (Tracking, RequireSignature) VALUES ('000500', 1)",
                                "PRAGMA user_version=8"})
            ASSERT_TRUE(made.exec(sql).ok()) << sql;
    }
    DataFolder data;
    ASSERT_TRUE(data.open(folder()).ok());
    EXPECT_EQ(data.certificates().scalar("PRAGMA user_version").toInt(), Schema::version);
    EXPECT_EQ(SetupSettings::timeStampService(data.defaults()), QString());
    SetupSettings s;
    SetupSettings::load(data.defaults(), s);
    EXPECT_TRUE(s.requireSignature);

    s.tsaUrl = " http://tsa.example/stamp ";
    ASSERT_TRUE(SetupSettings::store(data.defaults(), s).ok());
    EXPECT_EQ(SetupSettings::timeStampService(data.defaults()), "http://tsa.example/stamp");
    s.tsaUrl = " ";
    ASSERT_TRUE(SetupSettings::store(data.defaults(), s).ok());
    EXPECT_TRUE(data.certificates().scalar("SELECT TsaUrl FROM Defaults").isNull()) << "cleared, none set";
    EXPECT_EQ(data.certificates().scalar("SELECT Tracking FROM Defaults").toString(), "000500");
}
