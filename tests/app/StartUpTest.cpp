#include "ProgramFolder.h"
#include "WindowFixture.h"

#include <QTemporaryDir>

using arc::Message;

namespace {
const Message kNoRecords{"Press OK to continue", "No records this direction.", Message::Buttons::Ok,
                         Message::Icon::Information, Message::Answer::Ok};
} // namespace

TEST_F(WindowTest, FirstStartCreatesDataFilesInTheProgramFolderSaysSoAndStoresIt)
{
    openWindow();
    EXPECT_EQ(storedDataPath(), programFolder());
    EXPECT_TRUE(QFile::exists(programFolder() + "VELLORAN.MDB"));
    EXPECT_TRUE(QFile::exists(programFolder() + "VELLORANA.MDB"));
    EXPECT_TRUE(window->dataFolder().isOpen());
    EXPECT_EQ(window->setupPanel().indicator(), 1);
    EXPECT_TRUE(window->setupPanel().isHidden());
    EXPECT_EQ(screen().block1Country->text(), "FAA/United States");
    ASSERT_EQ(messages.shown.size(), 1) << "a new, empty store is never started silently";
    EXPECT_EQ(messages.shown[0].title, "Data folder");
    EXPECT_TRUE(messages.shown[0].prompt.contains(programFolder()));
    messages.shown.clear();

    // No certificates yet: the same message both ways, and the new one stays.
    screen().nextButton->click();
    screen().previousButton->click();
    EXPECT_EQ(messages.shown, (QList<Message>{kNoRecords, kNoRecords}));
    EXPECT_EQ(window->newFormFlag(), 1);
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
        EXPECT_TRUE(window->dataFolder().isOpen());
        EXPECT_EQ(window->dataFolder().path(), programFolder());
        EXPECT_TRUE(messages.shown.isEmpty()) << "the files were there already";
        window.reset();
    }
}

// A share that is offline, a disk that is gone, a folder emptied: named,
// kept recorded, and never replaced by new empty files (the numbering
// would start again).
TEST_F(WindowTest, StoredFolderThatCannotBeUsedIsReportedAndStaysRecorded)
{
    const QString gone = folder() + "share/arc/";
    const QString emptied = dataFolder();
    for (const QString &path : {gone, emptied}) {
        SCOPED_TRACE(path.toStdString());
        storeDataPath(path);
        openWindow();
        EXPECT_FALSE(window->dataFolder().isOpen());
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].title, "Data folder");
        EXPECT_TRUE(messages.shown[0].prompt.contains(path)) << messages.shown[0].prompt.toStdString();
        EXPECT_EQ(storedDataPath(), path);
        EXPECT_FALSE(QFile::exists(programFolder() + "VELLORAN.MDB"));
        EXPECT_FALSE(QFile::exists(path + "VELLORAN.MDB"));
        EXPECT_EQ(window->setupPanel().indicator(), 0);
        EXPECT_FALSE(window->setupPanel().isHidden());
        EXPECT_EQ(window->setupPanel().folder(), path);
        EXPECT_FALSE(screen().newButton->isEnabled());
        messages.shown.clear();
        window.reset();
    }
}

// An installed program cannot write its own folder: the set-up file and a
// first start's data files go to the per-user folder, and the user is told.
TEST_F(WindowTest, ReadOnlyProgramFolderStartsInThePerUserFolderAndSaysSo)
{
    const QString perUser = folder() + "user/";
    window = std::make_unique<arc::MainWindow>(arc::ProgramFolders(programFolder(), perUser, false), messages);
    window->activate();
    EXPECT_TRUE(window->dataFolder().isOpen());
    EXPECT_EQ(window->dataFolder().path(), perUser);
    EXPECT_EQ(QDir(programFolder()).entryList(QDir::Files), QStringList{});
    EXPECT_TRUE(QFile::exists(perUser + "setupARC.mdb"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].prompt.contains("new, empty data files")) << messages.shown[0].prompt.toStdString();
    EXPECT_TRUE(messages.shown[0].prompt.contains(perUser)) << messages.shown[0].prompt.toStdString();
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
    screen().block3Tracking->setText("T-1");
    messages.shown.clear();
    for (QPushButton *b : {screen().saveButton, screen().newButton, screen().deleteButton}) {
        b->click();
        ASSERT_EQ(messages.shown.size(), 1) << b->objectName().toStdString();
        EXPECT_EQ(messages.shown[0].title, "Data folder");
        EXPECT_TRUE(messages.shown[0].prompt.startsWith("No data folder is open"));
        messages.shown.clear();
    }
    expectShown({{screen().block5Invoice, "WO-77"}, {screen().block3Tracking, "T-1"}});
    screen().setupButton->click();
    window->setupPanel().dmirsButton->click();
    EXPECT_TRUE(window->signatoriesPanel().isHidden());
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(DataWindowTest, UnusableDataFilesAreReportedByNameAndLeftUntouched)
{
    const QList<std::pair<QByteArray, std::string>> files = {
        {"certificates kept elsewhere\n", "not an ARC 8130 database"},
        {"", "VELLORAN.MDB is an empty file (0 bytes)"},
    };
    for (const auto &[bytes, reason] : files) {
        writeFile(dataFolder() + "VELLORAN.MDB", bytes);
        openWindow();
        EXPECT_FALSE(window->dataFolder().isOpen());
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].title, "Data folder");
        EXPECT_EQ(messages.shown[0].icon, Message::Icon::Critical);
        EXPECT_TRUE(messages.shown[0].prompt.contains(QString::fromStdString(reason)))
            << messages.shown[0].prompt.toStdString();
        EXPECT_FALSE(window->setupPanel().isHidden());
        EXPECT_EQ(readFile(dataFolder() + "VELLORAN.MDB"), bytes);
        messages.shown.clear();
        window.reset();
    }
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
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], (Message{"Path name too large", "Directory change"}));
    EXPECT_EQ(storedDataPath(), dataFolder());
    EXPECT_EQ(window->dataFolder().path(), dataFolder());
    messages.shown.clear();

    // The folder in use again: nothing reopened, the list keeps its entry.
    screen().combo3->setCurrentIndex(0);
    window->folderChosen(QDir(dataFolder()).absolutePath());
    EXPECT_EQ(window->setupPanel().indicator(), 1);
    EXPECT_EQ(screen().combo3->currentIndex(), 0);

    // Another folder with data files: everything is reloaded from it.
    const QString other = folder() + "other/";
    QDir().mkpath(other);
    ASSERT_TRUE(arc::DataFolder::create(other).ok());
    window->folderChosen(folder() + "other");
    EXPECT_EQ(storedDataPath(), other);
    EXPECT_TRUE(window->dataFolder().isOpen());
    EXPECT_EQ(window->dataFolder().path(), other);
    EXPECT_EQ(screen().combo3->count(), 0);
    EXPECT_EQ(window->setupPanel().indicator(), 1);
    EXPECT_EQ(window->setupPanel().folder(), other);
    EXPECT_TRUE(messages.shown.isEmpty());

    // A folder without data files is refused by name and changes nothing:
    // the one in use stays open, stored and shown.
    for (const QString &refused : {QString("/"), dataFolder() + "empty"}) {
        QDir().mkpath(refused);
        screen().block5Invoice->setPlainText("WO-9");
        window->folderChosen(refused);
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_TRUE(messages.shown[0].prompt.contains(refused.endsWith("/") ? refused : refused + "/"))
            << messages.shown[0].prompt.toStdString();
        EXPECT_TRUE(messages.shown[0].prompt.contains("still " + other)) << messages.shown[0].prompt.toStdString();
        EXPECT_EQ(storedDataPath(), other);
        EXPECT_TRUE(window->dataFolder().isOpen());
        EXPECT_EQ(window->setupPanel().folder(), other);
        EXPECT_EQ(window->setupPanel().indicator(), 1);
        EXPECT_EQ(screen().block5Invoice->toPlainText(), "WO-9");
        messages.shown.clear();
    }
}

TEST_F(DataWindowTest, ListsCarryTheirDetailsAndStartUnselected)
{
    addRow("Agents", {{"Name", "Pat Doe"}, {"Password", "pw"}, {"ApprovalNumber", "DMIR-7"}});
    addRow("Agents", {{"Password", "nameless"}});
    addRow("ForwardingHouses", {{"ForwardHouse", " Acme"}, {"FHInfo1", "Dock 4"}});
    addRow("PartNumbers", {{"PartNumber", "PN-2"}});
    addRow("PartNumbers", {{"Description", "no number"}});
    addRow("PartNumbers", {{"PartNumber", "PN-1"}});
    openWindow();

    QComboBox *agents = window->accessPanel().combo4;
    ASSERT_EQ(agents->count(), 1);
    EXPECT_EQ(agents->currentIndex(), -1);
    EXPECT_EQ(agents->itemData(0).value<arc::AgentEntry>().approvalNumber, "DMIR-7");

    QComboBox *houses = screen().combo2;
    ASSERT_EQ(houses->count(), 2);
    EXPECT_EQ(houses->currentIndex(), 0);
    EXPECT_EQ(houses->itemData(0).value<arc::ForwarderEntry>().info.value(0), "Dock 4");

    ASSERT_EQ(screen().list1->count(), 2);
    EXPECT_EQ(screen().list1->item(0)->text(), "PN-2");
}

TEST_F(WindowTest, ExitAsksOnceAndEndsOnlyOnYes)
{
    openWindow();
    messages.shown.clear();
    int exits = 0;
    QObject::connect(window.get(), &arc::MainWindow::exitRequested, [&] { ++exits; });
    messages.answers = {Message::Answer::No};
    screen().exitButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], (Message{"Are you sure you want to exit? Have you saved your form?", "Exit Form 8130-3",
                                          Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::Yes}));
    EXPECT_EQ(exits, 0);
    messages.answers = {Message::Answer::Yes};
    screen().exitButton->click();
    EXPECT_EQ(exits, 1);
}
