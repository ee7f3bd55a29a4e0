#include "WindowFixture.h"

#include "ActivityReport.h"
#include "FindPanel.h"
#include "FindResults.h"
#include "RecentCertificates.h"

#include "Prompts.h"
#include "SettingsPanels.h"
#include "StatusLine.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>

using arc::Message;

namespace {

class FindWindowTest : public DataWindowTest {
protected:
    arc::FindPanel &find() { return *window->findChild<arc::FindPanel *>("Panel3D3"); }
    void search(QPushButton *(arc::FindPanel::*button), size_t box = 0, const QString &text = {})
    {
        screen().findButton->click();
        if (!text.isEmpty())
            find().boxes[box]->setText(text);
        (find().*button)->click();
    }
};

} // namespace

// However long what the rows hold, every column, "Signatory" the last,
// lies inside the list as it first shows: no scroll bar hides one.
TEST_F(FindWindowTest, TheListsColumnsFitItsWidth)
{
    const QString longName = QString("Aeronautical Component Overhaul and Repair Services ").repeated(2);
    addCertificate("T1", {"REPAIRED"}, {"PN-2026-0001-A"},
                   {{"Date18", "2026-12-09"}, {"Organ1", longName}, {"Name17", "Ann"}});
    openWindow();
    showWindow();
    search(&arc::FindPanel::firstButton, 1, "P");
    arc::FindResults &list = find().results();
    ASSERT_TRUE(list.isVisible());
    const QHeaderView *columns = list.table->horizontalHeader();
    for (int c = 0; c < columns->count(); ++c)
        EXPECT_LE(columns->sectionViewportPosition(c) + columns->sectionSize(c), list.table->viewport()->width())
            << columns->model()->headerData(c, Qt::Horizontal).toString().toStdString();
    EXPECT_FALSE(list.table->horizontalScrollBar()->isVisible());
}

// What matches is the search's own table; here, that the window shows and walks it.
TEST_F(FindWindowTest, FindsByThePartNumbersBeginningStepsToTheNextMatchAndShowsAllAgain)
{
    addCertificate("T1", {"NEW", "NEW"}, {"NF-100", "BP-7"});
    addCertificate("T2", {"NEW"}, {"BP-8"});
    addCertificate("T3", {"NEW", "NEW"}, {"NF-200", "NF-300"});
    openWindow();
    screen().combo3->show();

    screen().findButton->click();
    EXPECT_FALSE(find().isHidden());
    // The set-up button is wired apart from the screen's commands.
    for (QPushButton *b : {screen().saveButton, screen().setupButton})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    // The notepad button stays, and with no editor installed says so.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder() + "empty"));
    screen().editorButton->click();
    qputenv("PATH", path);
    messages.expectAsked("Text editor", {"No plain-text editor was found"});

    find().boxes[1]->setText("nf-");
    find().firstButton->click();
    EXPECT_EQ(screen().block3Tracking->text(), "T1");
    EXPECT_EQ(window->newFormFlag(), 0);
    EXPECT_TRUE(screen().combo3->isHidden());
    for (QPushButton *b : {screen().saveButton, screen().setupButton})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    screen().nextButton->click();
    EXPECT_EQ(screen().block3Tracking->text(), "T3") << "T2 matches nothing";
    EXPECT_EQ(cell(1, 2), "NF-300");

    search(&arc::FindPanel::allButton);
    EXPECT_EQ(find().boxes[1]->text(), "");
    EXPECT_EQ(screen().block3Tracking->text(), "T3");
}

// Save after a search that found nothing stores the typed text where it came from.
TEST_F(FindWindowTest, AfterNoMatchTheCertificateOnScreenStaysAndIsSaved)
{
    addCertificate("T1", {"NEW"}, {"P-1"});
    const qint64 second = addCertificate("T2", {"NEW"}, {"P-2"});
    openWindow();
    screen().previousButton->click();
    ASSERT_EQ(window->currentFormIndex(), second);
    screen().block5Invoice->setPlainText("WO-EDITED");

    messages.answers = {Message::Answer::Discard};
    search(&arc::FindPanel::firstButton, 1, "ZZ");
    EXPECT_EQ(messages.shown, (QList<Message>{arc::Prompts::saveChanges("T2"), arc::FindPanel::kNoMatch}));
    EXPECT_EQ(screen().block5Invoice->toPlainText(), "WO-EDITED");
    EXPECT_FALSE(screen().combo3->isVisible());
    screen().saveButton->click();
    EXPECT_EQ(messages.shown.size(), 2) << "saved without a word";
    EXPECT_EQ(stored(QStringLiteral("SELECT Invoice FROM Header WHERE FormIndex = %1").arg(second)).toString(),
              "WO-EDITED");
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 2);

    screen().nextButton->click();
    EXPECT_EQ(messages.shown.last(), arc::Prompts::kNoRecords) << "the empty result is walked until the next search";
    EXPECT_EQ(screen().block5Invoice->toPlainText(), "WO-EDITED");
}

// How lines are counted is ActivityCountsTest's; here, that the panel's name reaches the report.
TEST_F(FindWindowTest, TheSignatoriesPanelCountsTheLinesOfItsSignatory)
{
    addRow("Agents", {{"Name", "Pat Doe"}, {"Password", "pw"}, {"ApprovalNumber", "DMIR-7"}});
    addCertificate("T1", {"NEW"}, {}, {{"Name17", "Pat Doe"}, {"Date18", QDate(2026, 3, 9)}});
    openWindow();
    window->settingsPanels().openSetup();
    window->setupPanel().dmirsButton->click();
    arc::SignatoriesPanel &panel = window->signatoriesPanel();
    ASSERT_FALSE(panel.isHidden());
    panel.combo6->setCurrentIndex(0);
    panel.report->from->setText("01/Mar/2026");
    panel.report->to->setText("31/Mar/2026");
    panel.report->calculate->click();
    EXPECT_EQ(panel.report->results[0]->text(), "1");
}

TEST_F(FindWindowTest, FindListsEachCertificateFoundSortablyAndEnterShowsTheOneChosen)
{
    const qint64 a = addCertificate("T1", {"NEW", "NEW"}, {"P-1", "P-2"},
                                    {{"Date18", "2026-12-09"}, {"Organ1", "Zeta Air\r\nStreet"}, {"Name17", "Ann"}});
    const qint64 b =
        addCertificate("T2", {"REPAIRED"}, {"P-3"}, {{"Date23", "2026-11-30"}, {"Organ1", "Acme"}, {"Name22", "Bob"}});
    addCertificate("X1", {"NEW"}, {"Q-1"});
    openWindow();
    search(&arc::FindPanel::firstButton, 1, "P");
    arc::FindResults &list = find().results();
    const auto rows = [&list] {
        QStringList out;
        for (int r = 0; r < list.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 6; ++c)
                cells << list.table->model()->index(r, c).data().toString();
            out << cells.join('|');
        }
        return out;
    };
    EXPECT_FALSE(list.isHidden());
    EXPECT_EQ(list.count->text(), "2 certificates");
    EXPECT_EQ(rows(), (QStringList{"T1|09/Dec/2026|Zeta Air|P-1|NEW|Ann", "T2|30/Nov/2026|Acme|P-3|REPAIRED|Bob"}));
    list.table->sortByColumn(1, Qt::AscendingOrder); // by the day, not by its text
    EXPECT_EQ(list.keyAt(0), b);

    list.table->setCurrentIndex(list.table->model()->index(1, 0));
    QTest::keyClick(list.table, Qt::Key_Return);
    EXPECT_EQ(screen().block3Tracking->text(), "T1");
    EXPECT_EQ(window->statusLine().message->text(), "Certificate T1 opened");
    messages.expectNothingAsked();
    EXPECT_EQ(window->recent().keys().value(0), a) << "what is shown is recent";

    search(&arc::FindPanel::allButton);
    EXPECT_TRUE(list.isHidden());
    EXPECT_EQ(list.rowCount(), 0);
}
