#include "FolderMessages.h"
#include "ProgramFolder.h"
#include "Prompts.h"
#include "WindowFixture.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using arc::Message;

TEST_F(WindowTest, FirstStartCreatesDataFilesInTheProgramFolderSaysSoAndStoresIt)
{
    openWindow();
    messages.expectAsked(arc::FolderMessages::created(programFolder()));
    EXPECT_EQ(storedDataPath(), programFolder());
    EXPECT_TRUE(QFile::exists(programFolder() + "VELLORAN.MDB"));
    EXPECT_TRUE(QFile::exists(programFolder() + "VELLORANA.MDB"));
    EXPECT_TRUE(window->setupPanel().isHidden());

    // No certificates yet: the same message both ways, and the new one stays.
    screen().nextButton->click();
    screen().previousButton->click();
    messages.expectAsked({arc::Prompts::kNoRecords, arc::Prompts::kNoRecords});
    EXPECT_EQ(window->newFormFlag(), 1);

    // Exit asks, and ends only on Yes.
    QSignalSpy exits(window.get(), &arc::MainWindow::exitRequested);
    messages.answers = {Message::Answer::No, Message::Answer::Yes};
    screen().exitButton->click();
    EXPECT_EQ(exits.size(), 0);
    screen().exitButton->click();
    EXPECT_EQ(exits.size(), 1);
    messages.expectAsked({arc::Prompts::kExit, arc::Prompts::kExit});
}

// Null, empty or blank text all mean "no folder chosen": the program's
// folder, never the folder the program happened to be started from.
TEST_F(WindowTest, NullOrEmptyDataPathUsesTheProgramFolder)
{
    ASSERT_TRUE(arc::DataFolder::create(programFolder()).ok());
    for (const std::optional<QString> &path : {std::optional<QString>(), std::optional<QString>(""),
                                               std::optional<QString>("  ")}) {
        storeDataPath(path);
        openWindow();
        EXPECT_EQ(storedDataPath(), programFolder());
        EXPECT_EQ(window->dataFolder().path(), programFolder());
        messages.expectNothingAsked(); // the files were there already
        window.reset();
    }
}

// A share that is offline, a disk that is gone, a folder emptied, files
// that are not ours: named with the reason, kept recorded, the files left
// as they are, and never replaced by new empty files (the numbering would
// start again).
struct OpenRefusal {
    const char *name;
    const char *folder; // under the test's folder
    std::optional<QByteArray> certificates; // what VELLORAN.MDB holds; nullopt: no data files
    const char *reason;
};
void PrintTo(const OpenRefusal &c, std::ostream *os) { *os << c.name; }

class OpenRefusalTest : public WindowTest, public testing::WithParamInterface<OpenRefusal> {};

TEST_P(OpenRefusalTest, TheStoredFolderIsNamedWithTheReasonAndStaysRecorded)
{
    const OpenRefusal &c = GetParam();
    const QString path = folder() + c.folder;
    if (c.certificates) {
        createDataFolder();
        writeFile(path + "VELLORAN.MDB", *c.certificates);
    }
    storeDataPath(path);
    openWindow();
    EXPECT_FALSE(window->dataFolder().isOpen());
    messages.expectAsked("Data folder", {path, c.reason});
    EXPECT_EQ(storedDataPath(), path);
    EXPECT_FALSE(QFile::exists(programFolder() + "VELLORAN.MDB"));
    EXPECT_EQ(readFile(path + "VELLORAN.MDB"), c.certificates.value_or(QByteArray()));
    EXPECT_FALSE(window->setupPanel().isHidden());
    EXPECT_EQ(window->setupPanel().folder(), path);
    EXPECT_FALSE(screen().newButton->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, OpenRefusalTest,
    testing::Values(OpenRefusal{"ShareOffline", "share/arc/", std::nullopt, "cannot be reached"},
                    OpenRefusal{"FolderEmptied", "data/", std::nullopt, "VELLORAN.MDB is not there"},
                    OpenRefusal{"AnotherProgramsFile", "data/", "certificates kept elsewhere\n", "not an ARC 8130 database"}),
    [](const auto &info) { return std::string(info.param.name); });

// An installed program cannot write its own folder: the set-up file and a
// first start's data files go to the per-user folder, and the user is told.
TEST_F(WindowTest, ReadOnlyProgramFolderStartsInThePerUserFolderAndSaysSo)
{
    const QString perUser = folder() + "user/";
    window = std::make_unique<arc::MainWindow>(arc::ProgramFolders(programFolder(), perUser, false), messages);
    window->activate();
    messages.expectAsked(arc::FolderMessages::created(perUser));
    EXPECT_EQ(window->dataFolder().path(), perUser);
    EXPECT_EQ(QDir(programFolder()).entryList(QDir::Files), QStringList{});
}

// A program installed by the system's packages writes nothing beside
// itself, even when run by root, who could; a program unpacked into a
// folder of the user's own keeps its files there.
TEST(ProgramFolderTest, AProgramInASystemFolderKeepsItsFilesInThePerUserFolder)
{
    for (const char *installed : {"/usr/bin", "/usr/local/bin/", "/opt/arc8130/bin"}) {
        const arc::ProgramFolders f = arc::ProgramFolder::locate(installed);
        EXPECT_FALSE(f.programWritable) << installed;
        EXPECT_EQ(f.home(), f.perUser) << installed;
    }
    QTemporaryDir own;
    EXPECT_TRUE(arc::ProgramFolder::locate(own.path()).programWritable);
    EXPECT_FALSE(arc::ProgramFolder::isSystemFolder("/usrlocal/bin"));
}

// With no folder open nothing can be written: each action says so and
// leaves the screen as it was.
TEST_F(WindowTest, ActionsThatWriteSayNoDataFolderIsOpenAndKeepTheScreen)
{
    storeDataPath(folder() + "offline/");
    openWindow();
    screen().setupButton->click(); // close the set-up panel
    screen().block5Invoice->setPlainText("WO-77");
    messages.shown.clear();
    for (QPushButton *b : {screen().saveButton, screen().newButton, screen().deleteButton}) {
        b->click();
        messages.expectAsked(arc::FolderMessages::noneOpen());
    }
    expectShown({{screen().block5Invoice, "WO-77"}});
    screen().setupButton->click();
    window->setupPanel().dmirsButton->click();
    EXPECT_TRUE(window->signatoriesPanel().isHidden());
    messages.expectAsked(arc::FolderMessages::noneOpen());
}

TEST_F(DataWindowTest, ChoosingFoldersReopensOnlyWhenTheFolderChanges)
{
    addRow("Organizations", {{"Organization", "Zeta Aero"}, {"CertificateNum", "Z1"}});
    openWindow();
    ASSERT_EQ(screen().combo3->count(), 1);

    // A path too long to store: the old one stays in use.
    const QString deep = folder() + QString(200, 'x') + "/" + QString(100, 'y') + "/";
    ASSERT_TRUE(QDir().mkpath(deep));
    ASSERT_TRUE(arc::DataFolder::create(deep).ok());
    window->folderChosen(deep);
    messages.expectAsked(arc::Prompts::kPathTooLarge);
    expectInUse(dataFolder());

    // The folder in use again: nothing reopened, the list keeps its choice.
    screen().combo3->setCurrentIndex(0);
    window->folderChosen(QDir(dataFolder()).absolutePath());
    EXPECT_EQ(screen().combo3->currentIndex(), 0);

    // Another folder with data files: everything is reloaded from it.
    const QString other = folder() + "other/";
    QDir().mkpath(other);
    ASSERT_TRUE(arc::DataFolder::create(other).ok());
    window->folderChosen(folder() + "other");
    expectInUse(other);
    EXPECT_EQ(screen().combo3->count(), 0);
    messages.expectNothingAsked();

    // A folder without data files is refused by name and changes nothing:
    // the one in use stays open, stored and shown.
    for (const QString &refused : {QString("/"), dataFolder() + "empty"}) {
        QDir().mkpath(refused);
        screen().block5Invoice->setPlainText("WO-9");
        window->folderChosen(refused);
        messages.expectAsked("Data folder", {refused.endsWith("/") ? refused : refused + "/", "still " + other});
        expectInUse(other);
        EXPECT_EQ(screen().block5Invoice->toPlainText(), "WO-9");
    }
}
