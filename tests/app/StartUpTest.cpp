#include "DataFolderOpener.h"
#include "FolderMessages.h"
#include "Prompts.h"
#include "WindowFixture.h"

#include <QSignalSpy>

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

    // Exit ends on Yes (No: the navigation test).
    QSignalSpy exits(window.get(), &arc::MainWindow::exitRequested);
    messages.answers = {Message::Answer::Yes};
    screen().exitButton->click();
    EXPECT_EQ(exits.size(), 1);
    messages.expectAsked(arc::Prompts::kExit);
}

// No folder chosen means the program's (never the working) folder, or the
// per-user one when that is not writable. A stored folder that cannot be
// used is named with the reason, stays recorded and is left as it is: new,
// empty files would start the numbering again.
struct StartCase {
    const char *name;
    std::optional<QString> stored; // a path under the test's folder unless blank
    bool programWritable;
    std::optional<QByteArray> certificates; // what the stored folder's VELLORAN.MDB holds
    arc::OpenedFolder::Kind kind;
    const char *opened; // under the test's folder
    const char *reason; // for a folder that cannot be used
};
void PrintTo(const StartCase &c, std::ostream *os) { *os << c.name; }

class StartFolderTest : public TempFolderTest, public testing::WithParamInterface<StartCase> {};

using Kind = arc::OpenedFolder::Kind;

TEST_P(StartFolderTest, OpensTheStoredOrTheProgramsFolderOrNamesWhyNot)
{
    const StartCase &c = GetParam();
    const QString program = folder() + "program/", opened = folder() + c.opened;
    for (const QString &made : {program, folder() + "data/"})
        QDir().mkpath(made);
    if (c.kind == Kind::Opened) {
        ASSERT_TRUE(arc::DataFolder::create(program).ok()); // an earlier start's
    }
    if (c.certificates) {
        ASSERT_TRUE(arc::DataFolder::create(opened).ok());
        writeFile(opened + "VELLORAN.MDB", *c.certificates);
    }
    const std::optional<QString> stored =
        c.stored && !c.stored->trimmed().isEmpty() ? std::optional(folder() + *c.stored) : c.stored;
    arc::SetupStore setup;
    ASSERT_TRUE(setup.open(arc::ProgramFolders(program, folder() + "user/", c.programWritable)).ok());
    ASSERT_TRUE(setup.setDataPath(stored).ok());
    arc::DataFolder data;
    const arc::OpenedFolder r = arc::DataFolderOpener::open(setup, data);

    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.path, opened);
    EXPECT_EQ(data.isOpen(), c.kind != Kind::Unusable);
    EXPECT_EQ(setup.dataPath(), c.kind == Kind::Unusable ? stored : opened) << "recorded";
    EXPECT_EQ(QFile::exists(program + "VELLORAN.MDB"), c.kind == Kind::Opened);
    if (!c.programWritable) {
        EXPECT_EQ(QDir(program).entryList(QDir::Files), QStringList{}) << "nothing written beside the program";
    }
    if (c.kind == Kind::Unusable) {
        EXPECT_EQ(readFile(opened + "VELLORAN.MDB"), c.certificates.value_or(QByteArray()));
        const arc::Message told = arc::FolderMessages::unusable(r.path, r.status);
        EXPECT_EQ(told.title, "Data folder");
        for (const QString &part : {opened, QString(c.reason)})
            EXPECT_TRUE(told.prompt.contains(part)) << told.prompt.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, StartFolderTest,
    testing::Values(StartCase{"NullPath", std::nullopt, true, std::nullopt, Kind::Opened, "program/", ""},
                    StartCase{"EmptyPath", "", true, std::nullopt, Kind::Opened, "program/", ""},
                    StartCase{"BlankPath", "  ", true, std::nullopt, Kind::Opened, "program/", ""},
                    StartCase{"ReadOnlyProgramFolder", std::nullopt, false, std::nullopt, Kind::Created, "user/", ""},
                    StartCase{"ShareOffline", "share/arc/", true, std::nullopt, Kind::Unusable, "share/arc/",
                              "cannot be reached"},
                    StartCase{"FolderEmptied", "data/", true, std::nullopt, Kind::Unusable, "data/",
                              "VELLORAN.MDB is not there"},
                    StartCase{"AnotherProgramsFile", "data/", true, "certificates kept elsewhere\n", Kind::Unusable,
                              "data/", "not an ARC 8130 database"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(WindowTest, ActionsThatWriteSayNoDataFolderIsOpenAndKeepTheScreen)
{
    storeDataPath(folder() + "offline/");
    openWindow();
    messages.expectAsked("Data folder", {folder() + "offline/", "cannot be reached"});
    EXPECT_FALSE(window->setupPanel().isHidden());
    EXPECT_EQ(window->setupPanel().folder(), folder() + "offline/");
    EXPECT_FALSE(screen().newButton->isEnabled());
    screen().setupButton->click(); // close the set-up panel
    screen().block5Invoice->setPlainText("WO-77");
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
    ASSERT_TRUE(madeDataFolder(deep));
    window->folderChosen(deep);
    messages.expectAsked(arc::Prompts::kPathTooLarge);
    expectInUse(dataFolder());

    // The folder in use again: nothing reopened, the list keeps its choice.
    screen().combo3->setCurrentIndex(0);
    window->folderChosen(QDir(dataFolder()).absolutePath());
    EXPECT_EQ(screen().combo3->currentIndex(), 0);

    // Another folder with data files: everything is reloaded from it.
    const QString other = folder() + "other/";
    ASSERT_TRUE(madeDataFolder(other));
    window->folderChosen(folder() + "other");
    expectInUse(other);
    EXPECT_EQ(screen().combo3->count(), 0);
    messages.expectNothingAsked();

    // A folder without data files is refused by name and changes nothing.
    for (const QString &refused : {QString("/"), dataFolder() + "empty"}) {
        QDir().mkpath(refused);
        screen().block5Invoice->setPlainText("WO-9");
        window->folderChosen(refused);
        messages.expectAsked("Data folder", {refused.endsWith("/") ? refused : refused + "/", "still " + other});
        expectInUse(other);
        EXPECT_EQ(screen().block5Invoice->toPlainText(), "WO-9");
    }
}
