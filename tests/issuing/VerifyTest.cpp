// What arc8130-verify reads and where it looks; what it says of a page is in
// SourceIssuingTest, on both engines.

#include "IssueVerifier.h"
#include "OpenedSource.h"
#include "ProgramRun.h"
#include "SetupStore.h"

#include <fstream>
#include <sys/stat.h>
#include "TestPaths.h"

using VerifyTest = OpenedFolderTest;

// Refused at once, without waiting on a FIFO or reading a device without
// end, and never found either side of the log; a name is read whatever its bytes.
TEST_F(VerifyTest, TheCommandRefusesWhatCannotBeReadAndFindsAnyName)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(file("pipe.pdf")).constData(), 0600), 0);
    const QByteArray latin1 = QFile::encodeName(folder()) + "caf\xe9.pdf";
    {
        std::ofstream copy(latin1.toStdString(), std::ios::binary);
        copy << "%PDF-1.4 never issued";
    }
    const struct {
        const char *what, *argument; // the argument as the shell's printf writes it
        int exit;
    } cases[] = {{"a FIFO", "pipe.pdf", 2},
                 {"a device", "/dev/zero", 2},
                 {"a folder", ".", 2},
                 {"a read error", "/proc/self/mem", 2},
                 {"a Latin-1 name", "caf\\351.pdf", 1}};
    for (const auto &c : cases) {
        // A read that hangs is stopped after five seconds, and fails.
        const QString command = QString("cd \"$1\" && exec timeout 5 \"$0\" \"$(printf '%1')\" \"$1\"").arg(c.argument);
        const ProgramRun run = ProgramRun::of("sh", {"-c", command, test_paths::program("arc8130-verify"), folder()});
        EXPECT_EQ(run.exit, c.exit) << c.what << ": " << run.said.toStdString();
        EXPECT_EQ(run.said.contains("cannot be read"), c.exit == 2) << c.what << ": " << run.said.toStdString();
    }
}

// Without a data folder named, the one recorded in the set-up file is used.
TEST_F(VerifyTest, TheRecordedDataFolderIsTheDefault)
{
    const QString program = folder() + "program/";
    QDir().mkpath(program);
    QString error;
    EXPECT_FALSE(arc::IssueVerifier::recordedDataFolder(arc::ProgramFolders(program), &error));
    EXPECT_TRUE(error.contains("setupARC.mdb")) << error.toStdString();
    {
        arc::SetupStore setup;
        ASSERT_TRUE(setup.open(program).ok());
        ASSERT_TRUE(setup.setDataPath(folder()).ok());
    }
    EXPECT_EQ(arc::IssueVerifier::recordedDataFolder(arc::ProgramFolders(program), &error), folder());
    EXPECT_EQ(ProgramRun::of(test_paths::program("arc8130-verify"), {}).exit, 2) << "no file named";
}
