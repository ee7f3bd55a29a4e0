#include "WindowFixture.h"

#include "BenchActions.h"

#include "CertificateOnScreen.h"
#include "CountriesPanel.h"
#include "Passwords.h"
#include "OrganizationsEditor.h"
#include "Prompts.h"
#include "SignatoriesPanel.h"
#include "Statements.h"
#include "StatementsPanel.h"

#include <QClipboard>
#include <QGuiApplication>

using arc::Message;

// Every choice on the window reaches the remarks builder with the lists'
// details; typed remarks are replaced only when the user agrees.
class RemarksTest : public DataWindowTest {
protected:
    void SetUp() override
    {
        DataWindowTest::SetUp();
        addRow("Organizations", {{"Organization", "Acme Aero"}, {"CertificateNum", "ACME123"}, {"JAANum", "FR.145.7"}});
        addRow("Countries", {{"Country", "Canada"}, {"Bilateral", true}, {"JAA", false}});
        addRow("Countries", {{"Country", "France"}, {"Bilateral", false}, {"JAA", true}});
        addRow("ForwardingHouses", {{"ForwardHouse", "Acme Freight"}, {"FHInfo1", "Dock 4"}, {"FHInfo2", "1 Harbour Rd"},
                                    {"FHInfo3", "Miami FL"}, {"FHInfo4", "USA"}});
        addRow("PartNumbers", {{"PartNumber", "PN-7"}, {"PMA_PartNumber", "ASSY-100"}, {"S2", "B2"}});
        addRow("Stamps", {{"StampNumber", "B2"}, {"StampText", "INSPECTED PER QCM 4.2"}});
        storedExec("UPDATE Defaults SET Remarks = 'Released per work order'");
        openWindow();
        showWindow();
    }
    QString remarks() { return screen().block12Remarks->toPlainText(); }
    // The statements panel on its first statement, an administrator signed in.
    arc::StatementsPanel &statementsOfAnAdministrator()
    {
        window.reset();
        addRow("Agents", {{"Name", "Ann Admin"}, {"Password", arc::Passwords::hash("a1")}, {"Administrator", 1}});
        openWindow(false);
        signInAs(*window, "Ann Admin", "a1");
        screen().setupButton->click();
        window->setupPanel().statementsButton->click();
        window->statementsPanel().list->setCurrentRow(0);
        return window->statementsPanel();
    }
};

TEST_F(RemarksTest, ExportAndRepairCertificatesComposeBlock12)
{
    // A country entered on its panel serves the next export certificate at once.
    screen().setupButton->click();
    window->setupPanel().countriesButton->click();
    arc::CountriesPanel &countries = window->countriesPanel();
    countries.newEntry();
    countries.newName->setText("Norway");
    countries.bilateral->setChecked(true);
    countries.save();
    countries.exitPanel();
    screen().setupButton->click();
    messages.expectNothingAsked();

    screen().newButton->click();
    EXPECT_EQ(remarks(), "") << "a new part, not exported: no \"not an export approval\"";
    choose(screen().combo3, "Acme Aero");
    pickPart(0, "PN-7");
    screen().option1->click();
    choose(screen().combo1, "Norway");
    choose(screen().combo2, "Acme Freight");
    // The part's assembly number and stamp text, the country and the house.
    for (const char *entered : {"Norway", "ASSY-100", "INSPECTED PER QCM 4.2", "Acme Freight", "Dock 4"})
        EXPECT_TRUE(remarks().contains(entered)) << entered << " not in " << remarks().toStdString();

    // A repair: the dual-release statement once a JAA country is chosen.
    screen().newButton->click();
    messages.expectAsked(arc::Prompts::saveChanges("")); // Save, the default
    fuelPumpLine("REPAIRED");
    EXPECT_EQ(remarks(), "Released per work order\n");
    choose(screen().combo1, "France");
    const QString easa = remarks();
    EXPECT_TRUE(easa.startsWith("Released per work order\n") && easa.endsWith("Certificate number: FR.145.7"))
        << easa.toStdString();

    // Typed remarks are replaced only on Yes, the builder's own without a
    // question; a click on a release box reaches the same rule.
    screen().block12Remarks->setPlainText("typed");
    messages.answers = {Message::Answer::No};
    screen().block14aOtherRegulation->click();
    EXPECT_TRUE(screen().block14aReturnToService->isChecked());
    EXPECT_TRUE(screen().block14aOtherRegulation->isChecked());
    EXPECT_EQ(remarks(), "typed");
    messages.expectAsked(arc::Prompts::kReplaceRemarks);
    messages.answers = {Message::Answer::Yes};
    choose(screen().combo1, "France");
    EXPECT_EQ(remarks(), easa);
    choose(screen().combo1, "France");
    messages.expectAsked(arc::Prompts::kReplaceRemarks);

    // Remarks stored with a certificate may have been typed: asked too.
    screen().saveButton->click();
    window->certificate().ShowForm();
    ASSERT_EQ(window->certificate().newFormFlag(), 0);
    screen().combo1->setCurrentIndex(0);
    emit screen().combo1->activated(0); // no country, but "Other reg" still ticked: the same
    messages.expectNothingAsked();
    screen().block14aOtherRegulation->click(); // unticked: no dual release
    messages.expectAsked(arc::Prompts::kReplaceRemarks);
    EXPECT_EQ(remarks(), easa);
}

// The export choice comes back with its certificate; one stored without it shows "No".
TEST_F(RemarksTest, TheExportChoiceComesBackWithItsCertificate)
{
    screen().newButton->click();
    screen().option1->click();
    choose(screen().combo1, "Canada");
    choose(screen().combo2, "Acme Freight");
    const QString exported = remarks();
    screen().saveButton->click();
    screen().newButton->click();
    screen().saveButton->click();
    ASSERT_FALSE(screen().option1->isChecked());

    screen().previousButton->click();
    EXPECT_TRUE(screen().option1->isChecked());
    EXPECT_EQ(screen().combo1->currentText(), "Canada");
    EXPECT_EQ(screen().combo2->currentText(), "Acme Freight");
    EXPECT_TRUE(screen().combo2->isEnabled());
    window->checkstat(); // a status chosen again
    EXPECT_EQ(remarks(), exported);
    messages.expectNothingAsked();

    storedExec("UPDATE Header SET Export = NULL, ExportCountry = NULL, Forwarder = NULL");
    screen().nextButton->click();
    EXPECT_TRUE(screen().option2->isChecked());
    EXPECT_EQ(screen().combo1->currentIndex(), 0);
    EXPECT_EQ(screen().combo2->currentIndex(), 0);
}

TEST_F(RemarksTest, StatementsAreReadByEverySignatoryAndChangedOnlyByAnAdministrator)
{
    window.reset();
    addRow("Agents", {{"Name", "Sam Staff"}, {"Password", arc::Passwords::hash("s1")}, {"Administrator", 0}});
    addRow("Agents", {{"Name", "Ann Admin"}, {"Password", arc::Passwords::hash("a1")}, {"Administrator", 1}});
    const QString changed = "Released under the Annex Guidance, change 9, certificate: ";
    for (const auto &[name, password, administrator] :
         {std::tuple{"Sam Staff", "s1", false}, std::tuple{"Ann Admin", "a1", true}}) {
        SCOPED_TRACE(name);
        openWindow(false);
        showWindow();
        signInAs(*window, name, password);
        screen().setupButton->click();
        window->setupPanel().statementsButton->click();
        arc::StatementsPanel &panel = window->statementsPanel();
        ASSERT_FALSE(panel.isHidden());
        panel.list->setCurrentRow(panel.list->row(panel.list->findItems("Dual release (EASA)", Qt::MatchExactly).value(0)));
        EXPECT_TRUE(panel.text->toPlainText().contains("block 11/12"));
        EXPECT_EQ(panel.text->isReadOnly(), !administrator);
        EXPECT_EQ(panel.source->isReadOnly(), !administrator);
        EXPECT_EQ(panel.saveButton->isEnabled(), administrator);
        if (administrator) {
            // Closing the set-up panel under it asks before the edit is dropped.
            panel.text->setPlainText(changed);
            messages.answers = {arc::Message::Answer::Yes};
            screen().setupButton->click();
            messages.expectAsked("Statements", {"Save the changed statements?"});
            QCoreApplication::processEvents();
            screen().setupButton->click();
            EXPECT_TRUE(panel.isHidden()) << "set-up opens again without it";
            screen().setupButton->click();
        } else {
            panel.closeButton->click();
            EXPECT_TRUE(panel.isHidden());
            screen().setupButton->click();
        }
        messages.expectNothingAsked();
        window.reset();
    }
    EXPECT_EQ(stored("SELECT Name FROM Statements WHERE Text = '" + changed + "'", true).toString(),
              arc::Statements::kDualReleaseEasa);
}

// Signing out is a way of leaving the statements panel: it asks first.
TEST_F(RemarksTest, SigningOutAsksBeforeTheStatementsEditsAreDropped)
{
    arc::StatementsPanel &panel = statementsOfAnAdministrator();
    panel.text->setPlainText("Changed wording.");
    messages.answers = {arc::Message::Answer::Yes};
    window->benchActions().signOut();
    messages.expectAsked("Statements", {"Save the changed statements?"});
    EXPECT_TRUE(panel.isHidden());
    EXPECT_EQ(stored("SELECT count(*) FROM Statements WHERE Text = 'Changed wording.'", true).toInt(), 1);
}

// A statement longer than its field stores is refused in words when it is
// pasted and when it is saved, never by the engine's constraint.
TEST_F(RemarksTest, AStatementOverItsLimitIsRefusedInWords)
{
    arc::StatementsPanel &panel = statementsOfAnAdministrator();
    const QString before = panel.text->toPlainText();
    QGuiApplication::clipboard()->setText(QString(64001, 'x'));
    panel.text->selectAll();
    QTest::keySequence(panel.text, QKeySequence::Paste);
    EXPECT_EQ(panel.text->toPlainText(), before);
    messages.expectAsked("Too long for its box", {"at most 64000 characters"});

    panel.text->setPlainText(QString(64001, 'x'));
    panel.saveButton->click();
    messages.expectAsked("Statements", {"64001 characters long", "at most 64000"});

    // Closing asks to save; a save refused keeps the edit, and the panel, open.
    messages.answers = {arc::Message::Answer::Yes};
    panel.closeButton->click();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[1].prompt.contains("64001 characters long"));
    messages.shown.clear();
    EXPECT_FALSE(panel.isHidden());
    EXPECT_EQ(panel.text->toPlainText(), QString(64001, 'x'));
}

// The shop's wording is legal text: unreadable, it is never replaced by the
// program's defaults in block 12; the user is told.
TEST_F(RemarksTest, UnreadableStatementsLeaveBlock12AsItIsAndAreTold)
{
    screen().newButton->click();
    storedExec("ALTER TABLE Statements RENAME TO StatementsAway", true);
    messages.shown.clear();
    screen().option1->click();
    messages.expectAsked("Database", {"The release statements could not be read, so block 12 was left as it is: "});
    EXPECT_EQ(remarks(), "");

    storedExec("ALTER TABLE StatementsAway RENAME TO Statements", true);
    messages.shown.clear();
    choose(screen().combo1, "Canada");
    messages.expectNothingAsked();
    EXPECT_TRUE(remarks().startsWith("EXPORT Destination:")) << remarks().toStdString();
}

// Opening and closing a panel leaves the organisation chosen, and the
// builder writes the dual release to a JAA member as before.
TEST_F(RemarksTest, TheBuilderWorksAlikeAfterEveryPanel)
{
    // What is done on the set-up panel between opening and closing it.
    arc::SetupPanel &setup = window->setupPanel();
    const std::pair<const char *, std::function<void()>> panels[] = {
        {"none", {}},
        {"set-up", [] {}},
        {"statements", [&] { setup.statementsButton->click(), window->statementsPanel().closeButton->click(); }},
        {"organisations", [&] { setup.organizations->nextButton->click(), setup.organizations->firstButton->click(); }},
        {"signatories", [&] { setup.dmirsButton->click(), window->signatoriesPanel().exitButton->click(); }},
    };
    choose(screen().combo3, "Acme Aero");
    for (const auto &[panel, visit] : panels) {
        SCOPED_TRACE(panel);
        if (visit) {
            screen().setupButton->click();
            visit();
            screen().setupButton->click();
        }
        messages.answers = {Message::Answer::Discard};
        screen().newButton->click();
        messages.answers.clear();
        fuelPumpLine("REPAIRED");
        choose(screen().combo1, "France");
        EXPECT_TRUE(remarks().endsWith("Certificate number: FR.145.7")) << remarks().toStdString();
        messages.shown.clear();
    }
}

// "Other reg specified in 12" writes the other authority's statement and
// takes it away again; typed remarks holding it get it no second time.
TEST_F(RemarksTest, TheDualReleaseFollowsTheOtherRegulationBox)
{
    choose(screen().combo3, "Acme Aero");
    fuelPumpLine("REPAIRED");
    const QString plain = remarks();
    screen().block14aOtherRegulation->click();
    EXPECT_TRUE(remarks().startsWith(plain) && remarks().endsWith("Certificate number: FR.145.7"))
        << remarks().toStdString();
    screen().block14aOtherRegulation->click();
    EXPECT_EQ(remarks(), plain) << "removed as it was written";

    const auto &d = arc::Statements::defaults();
    const QString typed = "Overhauled per CMM.\n"
                          + arc::Statements::textOf({d.begin(), d.end()}, arc::Statements::kDualReleaseEasa) + "FR.145.7";
    screen().block12Remarks->setPlainText(typed);
    screen().block14aOtherRegulation->click();
    EXPECT_EQ(remarks(), typed);
    messages.expectNothingAsked();
    screen().block14aOtherRegulation->click(); // No, the default
    messages.expectAsked(arc::Prompts::kReplaceRemarks);
    EXPECT_EQ(remarks(), typed);
}
