#include "DataFolder.h"
#include "DemoFolder.h"
#include "DemoReference.h"
#include "Passwords.h"
#include "Rows.h"
#include "SignatoryPasswords.h"
#include "TempFolder.h"

#include <QProcess>

using namespace arc;
using Verdict = Passwords::Verdict;

// Hashes verify their own password only; a value kept in plain text by an
// earlier version is still recognised, and said to need its hash.
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

// The shop's way back in: a new password for one signatory, by name, from
// the command line; unknown names and empty passwords change nothing.
TEST_F(SignatoryPasswordsTest, ResetPasswordFromTheCommandLine)
{
    ASSERT_TRUE(DataFolder::create(folder()).ok());
    {
        DataFolder data;
        ASSERT_TRUE(data.open(folder()).ok());
        writeRow(data.agents(), {{"Name", "Pat Doe"}, {"Password", "forgotten"}});
        writeRow(data.agents(), {{"Name", "Lee Roe"}, {"Password", "forgotten"}});
        writeRow(data.agents(), {{"Name", "Twin"}, {"Password", "a"}});
        writeRow(data.agents(), {{"Name", "Twin"}, {"Password", "b"}});
    }
    const auto run = [&](const QStringList &args, const QByteArray &input) {
        QProcess p;
        p.start(QStringLiteral(ADMIN_EXE), args);
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(30000);
        return p.exitCode();
    };
    EXPECT_EQ(run({"reset-password", folder(), "Pat Doe"}, "n3w-Pass\n"), 0);
    // Piped from a file written on Windows: the line end is no part of it.
    EXPECT_EQ(run({"reset-password", folder(), "Lee Roe"}, "fr0m-Windows\r\n"), 0);
    EXPECT_NE(run({"reset-password", folder(), "Nobody"}, "x\n"), 0);
    EXPECT_NE(run({"reset-password", folder(), "Pat Doe"}, "\n"), 0);
    EXPECT_NE(run({"reset-password", folder(), "Twin"}, "x\n"), 0);
    EXPECT_NE(run({"reset-password", folder()}, "x\n"), 0);

    DataFolder data;
    ASSERT_TRUE(data.open(folder()).ok());
    const QString stored = data.reference().scalar("SELECT Password FROM Agents WHERE Name = 'Pat Doe'").toString();
    EXPECT_EQ(Passwords::verify(stored, "n3w-Pass"), Verdict::Right);
    EXPECT_EQ(Passwords::verify(data.reference().scalar("SELECT Password FROM Agents WHERE Name = 'Lee Roe'").toString(),
                                "fr0m-Windows"),
              Verdict::Right);
    EXPECT_EQ(data.reference().scalar("SELECT group_concat(Password) FROM Agents WHERE Name = 'Twin'").toString(), "a,b");
    bool administrator = true;
    EXPECT_TRUE(SignatoryPasswords::administratorExists(data.reference(), administrator).ok());
    EXPECT_FALSE(administrator);
}

// The demo folder's signatories sign in with their passwords, which are
// kept only as their hashes.
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
