#include "WindowFixture.h"

using arc::Message;

namespace {
const Message kNoRecords{"Press OK to continue", "No records this direction.", Message::Buttons::Ok,
                         Message::Icon::Information, Message::Answer::Ok};
} // namespace

TEST_F(WindowTest, FirstStartCreatesDataFilesInTheProgramFolderAndStoresIt)
{
    openWindow();
    EXPECT_EQ(storedDataPath(), programFolder());
    EXPECT_TRUE(QFile::exists(programFolder() + "VELLORAN.MDB"));
    EXPECT_TRUE(QFile::exists(programFolder() + "VELLORANA.MDB"));
    EXPECT_TRUE(window->dataFolder().isOpen());
    EXPECT_EQ(window->setupPanel().indicator(), 1);
    EXPECT_TRUE(window->setupPanel().isHidden());
    EXPECT_EQ(screen().text38->text(), "FAA/United States");
    EXPECT_TRUE(messages.shown.isEmpty());

    // No certificates yet: the same message both ways, and the new one stays.
    screen().nextButton->click();
    screen().previousButton->click();
    EXPECT_EQ(messages.shown, (QList<Message>{kNoRecords, kNoRecords}));
    EXPECT_EQ(window->newFormFlag(), 1);
}

TEST_F(WindowTest, NullOrInvalidDataPathUsesTheProgramFolder)
{
    ASSERT_TRUE(arc::DataFolder::create(programFolder()).ok());
    for (const std::optional<QString> &path : {std::optional<QString>(), std::optional(folder() + "no/such/folder/")}) {
        storeDataPath(path);
        openWindow();
        EXPECT_EQ(storedDataPath(), programFolder());
        EXPECT_TRUE(window->dataFolder().isOpen());
        window.reset();
    }
}

TEST_F(WindowTest, FolderWithoutReferenceFileOpensSetupPanelSilently)
{
    createDataFolder();
    QFile::remove(dataFolder() + "VELLORANA.MDB");
    storeDataPath(dataFolder());
    openWindow();
    EXPECT_FALSE(window->dataFolder().isOpen());
    EXPECT_EQ(window->setupPanel().indicator(), 0);
    EXPECT_FALSE(window->setupPanel().isHidden());
    EXPECT_EQ(screen().setupButton->text(), "Save");
    EXPECT_FALSE(screen().newButton->isEnabled());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(QFile::exists(dataFolder() + "VELLORANA.MDB")) << "nothing is created in a chosen folder";
    // Navigating without data files is harmless.
    screen().setupButton->click();
    screen().nextButton->click();
    EXPECT_EQ(messages.shown, QList<Message>{kNoRecords});
}

TEST_F(DataWindowTest, UnusableDataFilesAreReportedAndLeftUntouched)
{
    writeFile(dataFolder() + "VELLORAN.MDB", "certificates kept elsewhere\n");
    openWindow();
    EXPECT_FALSE(window->dataFolder().isOpen());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Data folder");
    EXPECT_EQ(messages.shown[0].icon, Message::Icon::Critical);
    EXPECT_FALSE(window->setupPanel().isHidden());
    EXPECT_EQ(readFile(dataFolder() + "VELLORAN.MDB"), "certificates kept elsewhere\n");
}

TEST_F(DataWindowTest, ChoosingFoldersReopensOnlyWhenTheFolderChanges)
{
    addRow("Organizations", {{"Organization", "Zeta Aero"}, {"CertificateNum", "Z1"}});
    openWindow();
    ASSERT_EQ(screen().combo3->count(), 1);

    // A path too long to store: the old one stays in use.
    window->folderChosen("/" + QString(300, 'x'));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], (Message{"Path name too large", "Directory change"}));
    EXPECT_EQ(storedDataPath(), dataFolder());

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

    // The root folder is stored with its single "/"; it has no data files.
    window->folderChosen("/");
    EXPECT_EQ(storedDataPath(), "/");
    EXPECT_EQ(window->setupPanel().indicator(), 0);
    EXPECT_FALSE(window->setupPanel().isHidden());
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
