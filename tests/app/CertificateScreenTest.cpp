#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>

using arc::Message;

namespace {
const Message kFirst{"Press OK to continue", "No records this direction.", Message::Buttons::Ok,
                     Message::Icon::Information, Message::Answer::Ok};
const Message kEnd{"Press OK to continue. To Enter New form press NEW", "No records this direction.",
                   Message::Buttons::Ok, Message::Icon::Information, Message::Answer::Ok};
} // namespace

class NavigationTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        createDataFolder();
        storeDataPath(dataFolder());
    }
};

TEST_F(NavigationTest, EmptyTableGivesTheFirstMessageBothWays)
{
    openWindow();
    screen().nextButton->click();
    screen().previousButton->click();
    EXPECT_EQ(messages.shown, (QList<Message>{kFirst, kFirst}));
    EXPECT_EQ(window->newFormFlag(), 1);
}

TEST_F(NavigationTest, StepsFromANewCertificateToTheLastAndStopsAtBothEnds)
{
    addCertificate("000001");
    addCertificate("000002");
    const qint64 last = addCertificate("000003");
    openWindow();
    screen().combo3->show();

    screen().text3->setText("typed on the new form");
    screen().nextButton->click();
    EXPECT_EQ(window->newFormFlag(), 0);
    EXPECT_EQ(window->currentFormIndex(), last);
    EXPECT_EQ(screen().text3->text(), "000003");
    EXPECT_TRUE(screen().combo3->isHidden());

    screen().nextButton->click();
    EXPECT_EQ(messages.shown, (QList<Message>{kEnd}));
    EXPECT_EQ(screen().text3->text(), "000003");
    screen().previousButton->click();
    EXPECT_EQ(screen().text3->text(), "000002") << "the cursor stayed on the last row";

    screen().previousButton->click();
    EXPECT_EQ(screen().text3->text(), "000001");
    screen().previousButton->click();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1], kEnd);
    screen().nextButton->click();
    EXPECT_EQ(screen().text3->text(), "000002");
}

TEST_F(NavigationTest, PreviousFromANewCertificateAlsoLandsOnTheLast)
{
    addCertificate("A");
    addCertificate("B");
    openWindow();
    screen().previousButton->click();
    EXPECT_EQ(screen().text3->text(), "B");
}

TEST_F(NavigationTest, LoadsEveryBoxAndShowsNullsAsEmpty)
{
    addRow("Header", {{"Country", "EASA/France"},
                      {"Tracking", " "},
                      {"Organ1", "Acme Aero\r\n1 Main St"},
                      {"Invoice", "WO-7"},
                      {"Remarks", "Line one\r\nLine two"},
                      {"Name17", "Pat Doe"},
                      {"AuthNum", "DMIR-7"},
                      {"Date18", QDate(2026, 12, 5)},
                      {"CFRRTS", true}});
    addRow("Header", {});
    openWindow();

    screen().previousButton->click(); // the empty one
    for (arc::EntryBox *e : {screen().text38, screen().text3, screen().text17, screen().text16, screen().text18,
                         screen().text7, screen().text4, screen().text6})
        EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
    EXPECT_EQ(screen().text1->toPlainText(), "");
    EXPECT_FALSE(screen().check3D6->isChecked());

    screen().previousButton->click();
    EXPECT_EQ(screen().text38->text(), "EASA/France");
    EXPECT_EQ(screen().text3->text(), " ") << "a stored blank stays a blank";
    EXPECT_EQ(screen().text1->toPlainText(), "Acme Aero\n1 Main St");
    EXPECT_EQ(screen().text5->toPlainText(), "WO-7");
    EXPECT_EQ(screen().text13->toPlainText(), "Line one\nLine two");
    EXPECT_EQ(screen().text17->text(), "Pat Doe");
    EXPECT_EQ(screen().text16->text(), "DMIR-7");
    EXPECT_EQ(screen().text18->text(), "05/Dec/2026");
    EXPECT_EQ(screen().text6->text(), "");
    EXPECT_TRUE(screen().check3D6->isChecked());
    EXPECT_FALSE(screen().check3D1->isChecked());
    // No item lines: block 14a applies.
    EXPECT_FALSE(screen().check3D1->isEnabled());
    EXPECT_TRUE(screen().check3D6->isEnabled());
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(cell(0, c), "");
}

TEST_F(NavigationTest, ItemLinesFillTheGridAndPickTheBlockByTheFirstStatus)
{
    QStringList ten;
    for (int i = 0; i < 10; ++i)
        ten << (i == 0 ? "prototype" : "REPAIRED");
    const qint64 key = addCertificate("T10", ten);
    addRow("Detail", {{"Item", "orphan"}}); // a line without its certificate
    addCertificate("T1", {"OVERHAULED"});
    openWindow();

    screen().previousButton->click();
    EXPECT_EQ(cell(0, 5), "OVERHAULED");
    EXPECT_FALSE(screen().check3D1->isEnabled());
    EXPECT_TRUE(screen().check3D6->isEnabled());
    EXPECT_EQ(cell(1, 0), "");

    screen().previousButton->click();
    EXPECT_EQ(window->currentFormIndex(), key);
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(window->itemSlots()[r].item, QString::number(r + 1));
        EXPECT_EQ(cell(r, 0), QString::number(r + 1));
    }
    EXPECT_EQ(cell(0, 5), "prototype");
    EXPECT_TRUE(screen().check3D1->isEnabled()) << "the status is compared upper-cased";
    EXPECT_FALSE(screen().check3D6->isEnabled());

    // The line without a certificate was given the key 0.
    arc::DataFolder f;
    ASSERT_TRUE(f.open(dataFolder()).ok());
    EXPECT_EQ(f.certificates().scalar("SELECT count(*) FROM Detail WHERE FormIndex IS NULL").toInt(), 0);
    EXPECT_EQ(f.certificates().scalar("SELECT count(*) FROM Detail WHERE FormIndex = 0").toInt(), 1);
}

TEST_F(NavigationTest, CheckstatSwitchesBetweenBlock13And14)
{
    addRow("Agents", {{"Name", "Pat Doe"}, {"Password", "pw"}, {"ApprovalNumber", "DMIR-7"}});
    addRow("Organizations", {{"Organization", "Acme Aero"}, {"CertificateNum", "ACME123"}});
    addRow("Countries", {{"Country", "Canada"}, {"Bilateral", true}, {"JAA", false}});
    addRow("Countries", {{"Country", "France"}, {"Bilateral", false}, {"JAA", true}});
    addCertificate("S", {"REPAIRED"});
    openWindow();
    window->accessPanel().combo4->setCurrentIndex(0);
    screen().previousButton->click();
    const QString today = QLocale::c().toString(QDate::currentDate(), "dd/MMM/yyyy");

    // Block 14: the organisation's number, the signatory's name, today.
    screen().text16->setText("old 13c");
    window->itemLines().setCurrentCell(0, 5, false);
    window->checkstat();
    EXPECT_TRUE(screen().check3D6->isChecked() && screen().check3D6->isEnabled());
    EXPECT_FALSE(screen().check3D1->isChecked() || screen().check3D1->isEnabled());
    EXPECT_FALSE(screen().option1->isEnabled());
    EXPECT_TRUE(screen().combo1->isEnabled());
    EXPECT_FALSE(screen().combo2->isEnabled());
    EXPECT_EQ(screen().text16->text(), "");
    EXPECT_EQ(screen().text4->text(), "ACME123");
    EXPECT_EQ(screen().text7->text(), "Pat Doe");
    EXPECT_EQ(screen().text6->text(), today);
    ASSERT_EQ(screen().combo1->count(), 3);
    EXPECT_EQ(screen().combo1->itemText(2), "France") << "JAA members for maintenance";

    // Block 13 for a new part, with the signatory's number.
    screen().previousButton->click();
    screen().nextButton->click(); // reload; first line is still REPAIRED
    arc::DataFolder f;
    ASSERT_TRUE(f.open(dataFolder()).ok());
    ASSERT_TRUE(f.certificates().exec("UPDATE Detail SET Status = 'NEW'").ok());
    screen().previousButton->click();
    screen().nextButton->click();
    messages.shown.clear();
    window->ShowForm();
    window->checkstat();
    EXPECT_TRUE(screen().check3D1->isChecked() && screen().check3D1->isEnabled());
    EXPECT_FALSE(screen().check3D6->isChecked() || screen().check3D6->isEnabled());
    EXPECT_TRUE(screen().option1->isEnabled());
    EXPECT_FALSE(screen().combo1->isEnabled()) << "export lists follow the Yes option";
    EXPECT_EQ(screen().text4->text(), "");
    EXPECT_EQ(screen().text16->text(), "DMIR-7");
    EXPECT_EQ(screen().text17->text(), "Pat Doe");
    EXPECT_EQ(screen().text18->text(), today);
    ASSERT_EQ(screen().combo1->count(), 3);
    EXPECT_EQ(screen().combo1->itemText(2), "Canada") << "bilateral countries for new parts";

    // No signatory chosen: 13c keeps its text, 13d takes the empty name.
    window->accessPanel().combo4->setCurrentIndex(-1);
    screen().text16->setText("kept");
    window->checkstat();
    EXPECT_EQ(screen().text16->text(), "kept");
    EXPECT_EQ(screen().text17->text(), "");
}
