#include "DataFolder.h"
#include "DemoFolder.h"
#include "DemoReference.h"
#include "Passwords.h"
#include "SignatoryPasswords.h"
#include "TempFolder.h"


using namespace arc;
using Verdict = Passwords::Verdict;

// A value an earlier version kept in plain text is recognised, and said to need its hash.
TEST(Passwords, HashedAndPlainPasswordsAreVerified)
{
    const QString hash = Passwords::hash("Secret1");
    ASSERT_TRUE(Passwords::isHash(hash)) << hash.toStdString();
    EXPECT_NE(hash, Passwords::hash("Secret1")) << "every hash has its own salt";
    EXPECT_EQ(Passwords::verify(hash, "Secret1"), Verdict::Right);
    EXPECT_EQ(Passwords::verify(hash, "secret1"), Verdict::Wrong);
    EXPECT_EQ(Passwords::verify(hash, ""), Verdict::Wrong);
    EXPECT_EQ(Passwords::verify("Secret1", "Secret1"), Verdict::RightButStoredPlain);
    EXPECT_EQ(Passwords::verify("Secret1", "Secret"), Verdict::Wrong);
    EXPECT_FALSE(Passwords::isHash("$argon2i$plain looking"));
    EXPECT_TRUE(Passwords::isOpeningMaster("zorp7351", false));
    EXPECT_FALSE(Passwords::isOpeningMaster("zorp7351", true));
    EXPECT_FALSE(Passwords::isOpeningMaster("ZORP7351", false));
}

using SignatoryPasswordsTest = TempFolderTest;

TEST_F(SignatoryPasswordsTest, TheDemoFolderKeepsOnlyHashes)
{
    ASSERT_TRUE(DemoFolder::seed(folder()).ok());
    DataFolder data;
    ASSERT_TRUE(data.open(folder()).ok());
    for (const DemoReference::Agent &a : DemoReference::agents()) {
        const QString stored =
            data.reference().scalar("SELECT Password FROM Agents WHERE Name = ?", {QString::fromUtf8(a.name)}).toString();
        EXPECT_EQ(Passwords::verify(stored, QString::fromUtf8(a.password)), Verdict::Right) << a.name;
    }
}

// A refusal names what it was given, never a page of it.
TEST_F(SignatoryPasswordsTest, AnUnknownNameIsQuotedBriefly)
{
    ASSERT_TRUE(DataFolder::create(folder()).ok());
    DataFolder data;
    ASSERT_TRUE(data.open(folder()).ok());
    const DbStatus s = SignatoryPasswords::reset(data.reference(), QString(100000, 'N'), "Secret1");
    EXPECT_TRUE(s.is(DbCondition::ItemNotFound));
    EXPECT_TRUE(s.detail().contains(QString(80, 'N'))) << s.detail().size();
    EXPECT_LT(s.detail().size(), 120);
}
