#include "WindowFixture.h"

#include "Prompts.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

using arc::Message;
using arc::Prompts::kNoMoreRecords;

using NavigationTest = DataWindowTest;

TEST_F(NavigationTest, StepsFromANewCertificateToTheLastStopsAtBothEndsAndTellsWhatCannotBeRead)
{
    addCertificate("000001");
    addCertificate("000002");
    addCertificate("000003");
    openWindow();

    QPushButton *next = screen().nextButton, *previous = screen().previousButton;
    const std::tuple<QPushButton *, const char *, QList<Message>> steps[] = {
        {next, "000003", {}}, {next, "000003", {kNoMoreRecords}}, {previous, "000002", {}}, {previous, "000001", {}},
        {previous, "000001", {kNoMoreRecords}}, {next, "000002", {}}};
    for (const auto &[button, shown, asked] : steps) {
        button->click();
        EXPECT_EQ(screen().block3Tracking->text(), shown);
        messages.expectAsked(asked);
    }

    screen().newButton->click();
    screen().previousButton->click();
    EXPECT_EQ(screen().block3Tracking->text(), "000003");

    // Never passed over: lines, then a certificate, that cannot be read.
    for (const auto &[table, told] : {std::pair{"Detail", "Not all items of the certificate could be read: "},
                                      std::pair{"Header", "The certificate could not be read: "}}) {
        ASSERT_TRUE(window->dataFolder().certificates().exec(QString("ALTER TABLE %1 RENAME TO Gone%1").arg(table)).ok());
        screen().previousButton->click();
        messages.expectAsked("Database", {told});
    }
}

// A change of the user's is never thrown away without asking; what the
// program fills in (start-up, New, the status check) is no change.
TEST_F(NavigationTest, LeavingAChangedCertificateAsksToSaveIt)
{
    addCertificate("000001");
    addCertificate("000002");
    openWindow();
    QSignalSpy exits(window.get(), &arc::MainWindow::exitRequested);
    window->itemLines().setCurrentCell(1, 0, true);
    screen().newButton->click();
    messages.answers = {Message::Answer::No};
    screen().exitButton->click();
    screen().nextButton->click();
    screen().previousButton->click();
    messages.expectAsked(arc::Prompts::kExit);
    ASSERT_EQ(screen().block3Tracking->text(), "000001");

    const Message ask = arc::Prompts::saveChanges("000001");
    QTest::keyClicks(screen().block14dName, "X");
    const std::tuple<Message::Answer, const char *, const char *> answers[] = {
        {Message::Answer::Cancel, "000001", "X"}, {Message::Answer::Discard, "000002", ""}};
    for (const auto &[answer, shown, block14] : answers) {
        messages.answers = {answer};
        screen().nextButton->click();
        messages.expectAsked(ask);
        expectShown({{screen().block3Tracking, shown}, {screen().block14dName, block14}});
    }
    screen().previousButton->click();
    messages.expectNothingAsked(); // the discarded changes are gone

    QTest::keyClicks(screen().block5Invoice, "wo-7");
    messages.answers = {Message::Answer::Save};
    screen().nextButton->click();
    EXPECT_EQ(stored("SELECT Invoice FROM Header WHERE Tracking = '000001'").toString(), "WO-7");
    expectShown({{screen().block3Tracking, "000002"}});

    // A save refused stays; Show All Records and Exit ask as well.
    messages.shown.clear();
    screen().block3Tracking->selectAll();
    QTest::keyClicks(screen().block3Tracking, "000001");
    messages.answers = {Message::Answer::Save};
    screen().previousButton->click();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0], ask);
    messages.shown.clear();
    expectShown({{screen().block3Tracking, "000001"}, {screen().block5Invoice, ""}});
    messages.answers = {Message::Answer::Cancel, Message::Answer::Cancel, Message::Answer::Discard};
    window->findChild<QPushButton *>("ShowAll")->click();
    expectShown({{screen().block3Tracking, "000001"}, {screen().block5Invoice, ""}});
    screen().exitButton->click();
    EXPECT_EQ(exits.size(), 0);
    screen().exitButton->click();
    EXPECT_EQ(exits.size(), 1);
    messages.expectAsked({ask, ask, ask});
}

// The exit question only where something would be lost (a new certificate
// asks: above): a stored certificate shown as stored leaves at once.
TEST_F(NavigationTest, AStoredCertificateAsStoredLeavesWithoutAQuestion)
{
    addCertificate("000001");
    openWindow();
    QSignalSpy exits(window.get(), &arc::MainWindow::exitRequested);
    screen().previousButton->click();
    screen().exitButton->click();
    messages.expectNothingAsked();
    EXPECT_EQ(exits.size(), 1);
}

// A row another program wrote: nulls and a stored blank show as empty boxes.
TEST_F(NavigationTest, ShowsNullsAndBlanksAsEmptyBoxes)
{
    addRow("Header", {{"Tracking", " "}, {"Organ1", "Acme Aero\r\n1 Main St"}, {"CFRRTS", true}});
    addCertificate("T10", {"prototype", "REPAIRED"});
    addRow("Header", {});
    openWindow();

    screen().previousButton->click(); // the empty one
    expectShown({{screen().block1Country, ""}, {screen().block13eDate, ""}, {screen().block4Organization, ""}});
    EXPECT_FALSE(screen().block14aReturnToService->isChecked());
    screen().previousButton->click();
    EXPECT_TRUE(screen().block13aApproved->isEnabled()) << "the first status is compared upper-cased";
    screen().previousButton->click();
    expectShown({{screen().block3Tracking, ""}, {screen().block4Organization, "Acme Aero\n1 Main St"}});
    EXPECT_TRUE(screen().block14aReturnToService->isChecked());
    // No item lines: an empty grid, and block 14a applies.
    EXPECT_TRUE(screen().block14aReturnToService->isEnabled());
    EXPECT_EQ(window->itemSlots()[0], arc::ItemLine{});
}

class CheckstatTest : public SignedInWindowTest {
protected:
    void fillBeforeOpening() override
    {
        addRow("Organizations", {{"Organization", "Acme Aero"}, {"CertificateNum", "ACME123"}});
        addRow("Countries", {{"Country", "Canada"}, {"Bilateral", true}, {"JAA", false}});
        addRow("Countries", {{"Country", "France"}, {"Bilateral", false}, {"JAA", true}});
        addCertificate("N", {"NEW"});
        addCertificate("S", {"REPAIRED"});
    }
};

// The screen fills the block the status selects from who signed in (not
// from what the sign-in list shows now), with block 13's export lists.
TEST_F(CheckstatTest, SwitchesBetweenBlock13And14)
{
    const struct {
        bool block13;
        const char *block14cNumber, *block13cNumber, *country;
    } cases[] = {{false, "ACME123", "", "France"}, {true, "", "DMIR-7", "Canada"}};
    window->accessPanel().combo4->setCurrentIndex(-1);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.block13);
        screen().previousButton->click();
        screen().block14cNumber->setText("old 14c");
        screen().block13cNumber->setText("old 13c");
        window->checkstat();
        EXPECT_EQ(screen().block13aApproved->isChecked(), c.block13);
        EXPECT_EQ(screen().block13aApproved->isEnabled(), c.block13);
        EXPECT_NE(screen().block14aReturnToService->isEnabled(), c.block13);
        EXPECT_EQ(screen().option1->isEnabled(), c.block13);
        expectShown({{screen().block14cNumber, c.block14cNumber}, {screen().block13cNumber, c.block13cNumber},
                     {screen().block13dName, c.block13 ? kSignatory : ""}, {screen().block13eDate, c.block13 ? today() : ""},
                     {screen().block14dName, c.block13 ? "" : kSignatory}, {screen().block14eDate, c.block13 ? "" : today()}});
        EXPECT_EQ(screen().combo1->itemText(2), c.country);
    }

    // No signatory signed in: 13c keeps its text, 13d takes the empty name.
    openWindow();
    screen().previousButton->click();
    screen().previousButton->click(); // on N, a new part
    screen().block13cNumber->setText("kept");
    window->checkstat();
    expectShown({{screen().block13cNumber, "kept"}, {screen().block13dName, ""}});
}

class FormChoiceTest : public SignedInWindowTest {
protected:
    void fillBeforeOpening() override
    {
        addRow("Organizations", {{"Organization", "Acme Aero"},
                                 {"Forms", "UK CAA Form 1 (maintenance); EASA Form 1 (maintenance)"},
                                 {"EasaAuthority", "LBA"},
                                 {"EasaCountry", "Germany"},
                                 {"UkAuthority", "CAA"}});
        addRow("Organizations", {{"Organization", "Zeta Air"}});
    }
};

TEST_F(FormChoiceTest, OffersTheOrganisationsFormsAndFillsBlock1FromIt)
{
    QComboBox *forms = screen().formChoice;
    choose(screen().combo3, "Acme Aero");
    ASSERT_EQ(forms->count(), 2);
    EXPECT_EQ(forms->currentText(), "EASA Form 1 (maintenance)");
    EXPECT_EQ(screen().block1Country->text(), "LBA / Germany");
    EXPECT_EQ(screen().block2Title->text(), "2. AUTHORISED RELEASE CERTIFICATE\nEASA FORM 1");
    EXPECT_EQ(screen().block14aReturnToService->text(), "Part-145.A.50 Release to Service");

    choose(screen().combo3, "Zeta Air");
    choose(forms, "FAA Form 8130-3");
    EXPECT_EQ(screen().block1Country->text(), "FAA/United States");
    EXPECT_EQ(screen().block14aReturnToService->text(), "14 CFR 43.9 Return to Svs");
    choose(forms, "EASA Form 1 (production)");
    EXPECT_EQ(screen().entries(window->itemSlots()).form, "EASA Form 1 (production)");
}
