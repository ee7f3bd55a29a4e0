#include "WindowFixture.h"

#include "FindPanel.h"
#include "IssueCommand.h"
#include "MenuBar.h"
#include "PrintCommand.h"
#include "PrintPanel.h"
#include "RegisterExportDialog.h"
#include "RecordingCanvas.h"
#include "StatusLine.h"

#include <QAction>
#include <QDialog>
#include <QApplication>
#include <QSet>
#include <QLabel>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

using Item = arc::MenuBar::Item;

namespace {

struct MenuRow {
    Item item;
    const char *text;
    const char *shortcut; // empty: none; the item is triggered from its menu
    QPushButton *(*button)(arc::MainWindow &w);
};

void PrintTo(const MenuRow &r, std::ostream *os) { *os << r.text; }

const MenuRow kMenuRows[] = {
    {Item::New, "&New", "Ctrl+N", [](arc::MainWindow &w) { return w.screen().newButton; }},
    {Item::Save, "&Save", "Ctrl+S", [](arc::MainWindow &w) { return w.screen().saveButton; }},
    {Item::Duplicate, "&Duplicate", "", [](arc::MainWindow &w) { return w.screen().duplicateButton; }},
    {Item::Print, "&Print...", "Ctrl+P", [](arc::MainWindow &w) { return w.screen().printButton; }},
    {Item::WritePdf, "&Write PDF...", "", [](arc::MainWindow &w) { return w.printCommand().panel().pdfButton; }},
    {Item::Exit, "E&xit", "Ctrl+Q", [](arc::MainWindow &w) { return w.screen().exitButton; }},
    {Item::Previous, "&Previous", "Alt+Left", [](arc::MainWindow &w) { return w.screen().previousButton; }},
    {Item::Next, "&Next", "Alt+Right", [](arc::MainWindow &w) { return w.screen().nextButton; }},
    {Item::Find, "&Find...", "Ctrl+F", [](arc::MainWindow &w) { return w.screen().findButton; }},
    {Item::ShowAll, "Show &all records", "", [](arc::MainWindow &w) { return w.findChild<arc::FindPanel *>()->allButton; }},
    {Item::Setup, "&Set-up", "", [](arc::MainWindow &w) { return w.screen().setupButton; }},
    {Item::Defaults, "&Defaults", "", [](arc::MainWindow &w) { return w.screen().defaultsButton; }},
    {Item::Parts, "&Parts", "", [](arc::MainWindow &w) { return w.screen().partsButton; }},
    {Item::Signatories, "S&ignatories", "", [](arc::MainWindow &w) { return w.setupPanel().dmirsButton; }},
    {Item::Countries, "&Countries", "", [](arc::MainWindow &w) { return w.setupPanel().countriesButton; }},
    {Item::ForwardHouses, "&Forward Houses", "", [](arc::MainWindow &w) { return w.setupPanel().housesButton; }},
    {Item::Statements, "S&tatements", "", [](arc::MainWindow &w) { return w.setupPanel().statementsButton; }},
};

} // namespace

class MenuBarTest : public DataWindowTest, public testing::WithParamInterface<MenuRow> {
protected:
    void SetUp() override
    {
        DataWindowTest::SetUp();
        openWindow();
        showWindow();
        window->printCommand().setFileChooser([] { return QString(); });
    }
    QAction *action(Item item) { return window->menuBar().action(item); }
};

TEST_P(MenuBarTest, TheItemClicksItsButtonAndFollowsItsState)
{
    const MenuRow &row = GetParam();
    QAction *a = action(row.item);
    QPushButton *button = row.button(*window);
    EXPECT_EQ(a->text(), row.text);
    EXPECT_EQ(a->shortcut().toString(), row.shortcut);
    ASSERT_TRUE(a->isEnabled());
    QSignalSpy clicks(button, &QPushButton::clicked);
    if (*row.shortcut) {
        EXPECT_TRUE(button->toolTip().endsWith(QStringLiteral("(%1)").arg(row.shortcut)))
            << button->toolTip().toStdString();
        QTest::keySequence(window.get(), QKeySequence(row.shortcut));
    } else {
        a->trigger();
    }
    EXPECT_EQ(clicks.count(), 1);
    button->setEnabled(false);
    EXPECT_FALSE(a->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Items, MenuBarTest, testing::ValuesIn(kMenuRows),
                         [](const auto &info) { return QString(info.param.text).remove(QRegularExpression("\\W")).toStdString(); });

// The keyboard alone: one Alt key per menu and button of the screen, F10
// for the menu bar, and the find panel's keys.
TEST_F(DataWindowTest, TheKeyboardReachesMenusButtonsAndTheFindPanel)
{
    openWindow();
    showWindow();
    QStringList texts;
    for (QAction *menu : window->menuBar().actions())
        texts << menu->text();
    const arc::CertificateScreen &s = screen();
    for (QPushButton *b : {s.setupButton, s.defaultsButton, s.deleteButton, s.findButton, s.printButton, s.newButton,
                           s.saveButton, s.exitButton, s.duplicateButton, s.batchButton})
        texts << b->text();
    QSet<QString> keys;
    for (const QString &text : texts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        EXPECT_FALSE(key.isEmpty()) << text.toStdString() << " has no mnemonic";
        EXPECT_FALSE(keys.contains(key)) << key.toStdString() << " is taken twice, again by " << text.toStdString();
        keys << key;
    }

    QTest::keyClick(window.get(), Qt::Key_F10);
    EXPECT_NE(window->menuBar().activeAction(), nullptr) << "F10 opens the menu bar";
    QTest::keyClick(&window->menuBar(), Qt::Key_Escape);
    QTest::keyClick(&window->menuBar(), Qt::Key_Escape);

    auto *find = window->findChild<arc::FindPanel *>();
    QTest::keySequence(window.get(), QKeySequence("Ctrl+F"));
    ASSERT_TRUE(find->isVisible());
    QTest::keySequence(window.get(), QKeySequence("Alt+Left"));
    EXPECT_EQ(window->statusLine().message->text(),
              "Previous cannot be used while the find panel is open: close it first (Escape).");
    QSignalSpy searched(find->firstButton, &QPushButton::clicked);
    QTest::keyClicks(find->boxes[0], "NOTHING LIKE IT");
    QTest::keyClick(find->boxes[0], Qt::Key_Return);
    EXPECT_EQ(searched.count(), 1) << "Enter is Find First";
    messages.shown.clear();
    QTest::keyClick(find->boxes[0], Qt::Key_Escape);
    EXPECT_FALSE(find->isVisible());
    EXPECT_TRUE(screen().previousButton->isEnabled());
}

TEST_F(DataWindowTest, RecentIsAMenuAndListsOpenByKey)
{
    addRow("PartNumbers", {{"PartNumber", "PN-200"}});
    openWindow();
    showWindow();
    EXPECT_NE(window->menuBar().action(Item::Recent)->menu(), nullptr) << "the recent certificates";
    arc::ItemGrid *grid = screen().grid1;
    grid->setFocus();
    window->itemLines().setCurrentCell(1, arc::ItemGridModel::StatusColumn, true);
    QTest::keyClick(grid, Qt::Key_F4);
    ASSERT_TRUE(screen().list2->isVisible());
    EXPECT_TRUE(screen().list2->hasFocus());
    QTest::keyClick(screen().list2, Qt::Key_Down);
    QTest::keyClick(screen().list2, Qt::Key_Return);
    EXPECT_EQ(window->itemSlots()[1].status, screen().list2->item(1)->text().toUpper());
    EXPECT_FALSE(screen().list2->isVisible());

    window->itemLines().setCurrentCell(1, arc::ItemGridModel::PartNoColumn, true);
    QTest::keyClick(grid, Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(screen().list1->isVisible());
    EXPECT_TRUE(screen().list1->hasFocus());
}

TEST_F(DataWindowTest, TheStatusLineSaysWhatWasDone)
{
    addSignatory("Pat Doe", "Secret1", "DMIR-7");
    openWindow(false);
    arc::StatusLine &status = window->statusLine();
    EXPECT_EQ(status.source->text(), "Data folder: " + dataFolder());
    EXPECT_EQ(status.signedIn->text(), "Not signed in");
    signInAs(*window, "Pat Doe", "Secret1");
    EXPECT_EQ(status.signedIn->text(), "Signed in: Pat Doe");
    QCoreApplication::processEvents();

    const QString tracking = screen().block3Tracking->text().trimmed();
    screen().saveButton->click();
    EXPECT_EQ(status.message->text(), QStringLiteral("Certificate %1 saved").arg(tracking));
    QCoreApplication::processEvents();

    arc::PrintCommand &print = window->printCommand();
    const QString pdf = folder() + "out.pdf";
    print.setFileChooser([&] { return pdf; });
    print.setJobCanvas([] { return std::make_unique<arc::RecordingCanvas>(); });
    print.setPrinterCheck([] { return true; });
    print.setPrinter(QPrinterInfo());
    window->issueCommand().setCertificateCheck([] { return QList<arc::Finding>(); });
    print.choosePdf();
    EXPECT_EQ(status.message->text(), "PDF written to " + pdf);
    QCoreApplication::processEvents();
    print.open();
    print.panel().text45->setText("3");
    print.ok();
    EXPECT_EQ(status.message->text(), "3 copies sent to the default printer");
    QCoreApplication::processEvents();

    messages.answers = {arc::Message::Answer::Yes};
    screen().deleteButton->click();
    EXPECT_EQ(status.message->text(), QStringLiteral("Certificate %1 deleted").arg(tracking));
}

// "Export register..." writes where the command does: never over the data
// source's files, and over another file only after the user's yes; what it
// wrote goes to the status line, not a box.
TEST_F(DataWindowTest, ExportRegisterRefusesTheDataFilesAndAsksBeforeReplacing)
{
    openWindow();
    const auto exportTo = [this](const QString &path) {
        QTimer::singleShot(0, window.get(), [this] { window->findChild<QDialog *>("RegisterExport")->accept(); });
        return arc::RegisterExportDialog::run(window.get(), window->dataFolder(), messages, [path] { return path; });
    };
    const QByteArray data = readFile(dataFolder() + "VELLORAN.MDB");
    exportTo(dataFolder() + "VELLORAN.MDB");
    messages.expectAsked("Export register", {"a file of the data source itself"});
    EXPECT_EQ(readFile(dataFolder() + "VELLORAN.MDB"), data);

    const QString mine = folder() + "register.csv";
    ASSERT_NO_FATAL_FAILURE(writeFile(mine, "old"));
    messages.answers = {arc::Message::Answer::No};
    exportTo(mine);
    messages.expectAsked("Export register", {"exists already. Replace it"});
    EXPECT_EQ(readFile(mine), "old");
    messages.answers = {arc::Message::Answer::Yes};
    EXPECT_EQ(exportTo(mine), "0 certificates, 0 lines written to " + mine) << "told on the status line";
    EXPECT_EQ(messages.shown.size(), 1) << "only the question whether to replace it";
    messages.shown.clear();
    EXPECT_TRUE(readFile(mine).startsWith("\xEF\xBB\xBFTracking No."));

    arc::RegisterExportDialog backwards;
    backwards.from->setText("02/Dec/2026");
    backwards.to->setText("01/Dec/2026");
    EXPECT_FALSE(backwards.period(messages)) << "a period that ends before it begins";
    messages.expectAsked("Export register", {"holds no day"});
}
