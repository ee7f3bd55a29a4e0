#include "WindowFixture.h"

#include "CertificateOnScreen.h"
#include "CountriesPanel.h"
#include "ForwardersPanel.h"
#include "PartsPanel.h"
#include "PrintCommand.h"
#include "Passwords.h"
#include "Prompts.h"
#include "StatementsPanel.h"

#include <QProcess>

using arc::Message;

// A new user adds a part with its stamps on the parts panel, then issues an
// export certificate and a repair certificate: block 12 follows every
// choice, and the printed page carries it.
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
        storedExec("UPDATE Defaults SET Remarks = 'Released per work order'");
        openWindow();
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    QString remarks() { return screen().text13->toPlainText(); }
    void choose(QComboBox *list, const QString &text)
    {
        const int i = list->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        list->setCurrentIndex(i);
        emit list->activated(i);
    }
    // "8. Part No.", then Enter on the part in the list.
    void pickPart(const QString &number)
    {
        window->itemLines().setCurrentCell(0, arc::ItemGridModel::PartNoColumn, true);
        screen().columnButtons[arc::ItemGridModel::PartNoColumn]->click();
        QListWidget *list = screen().list1;
        list->setFocus();
        list->setCurrentItem(list->findItems(number, Qt::MatchExactly).value(0));
        QTest::keyClick(list, Qt::Key_Return);
    }
    static QString pdfText(const QString &pdf)
    {
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};

TEST_F(RemarksTest, ExportAndRepairCertificatesComposeBlock12)
{
    // The part and its stamps, entered on the parts panel.
    screen().partsButton->click();
    arc::PartsPanel &parts = window->partsPanel();
    ASSERT_FALSE(parts.isHidden());
    parts.newPart();
    parts.partEntry->setText("PN-7");
    parts.description->setPlainText("Fuel pump");
    parts.pma->setText("ASSY-100");
    parts.stampCodes[0]->setText("A1");
    parts.stampTexts[0]->setPlainText("MANUFACTURED UNDER PMA");
    parts.stampCodes[1]->setText("B2");
    parts.stampTexts[1]->setPlainText("INSPECTED PER QCM 4.2");
    parts.saveStamps();
    parts.savePart();
    parts.exitPanel();
    ASSERT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();

    screen().newButton->click();
    EXPECT_EQ(remarks(), "") << "a new part, not exported: no \"not an export approval\"";
    pickPart("PN-7");
    EXPECT_EQ(window->itemSlots()[0].stamps[1], "B2");
    screen().option1->click();
    EXPECT_TRUE(screen().combo1->isEnabled());
    EXPECT_EQ(remarks(), "The above part is approved for installation under assembly part number(s): ASSY-100\n"
                         "MANUFACTURED UNDER PMA\nINSPECTED PER QCM 4.2\n")
        << "exported, no country yet: no export line";
    choose(screen().combo1, "Canada");
    choose(screen().combo2, "Acme Freight");
    const QString pad(42, ' ');
    EXPECT_EQ(remarks(), "EXPORT Destination:       Canada\n"
                         "The above part is approved for installation under assembly part number(s): ASSY-100\n"
                         "MANUFACTURED UNDER PMA\n"
                         "INSPECTED PER QCM 4.2\n"
                         "FORWARDING HOUSE:  Acme Freight\n" +
                             pad + "Dock 4\n" + pad + "1 Harbour Rd\n" + pad + "Miami FL\n" + pad + "USA\n");
    ASSERT_TRUE(window->printCommand().writePdf(folder() + "export.pdf"));
    const QString exportPage = pdfText(folder() + "export.pdf");
    EXPECT_TRUE(exportPage.contains("FORWARDING HOUSE: Acme Freight")) << exportPage.toStdString();
    EXPECT_TRUE(exportPage.contains("INSPECTED PER QCM 4.2"));

    // A repair: block 14, JAA countries, and the dual-release statement with
    // the organisation's EASA number once a JAA country is chosen.
    screen().newButton->click();
    window->setItemLine(0, {"1", "Fuel pump", "PN-7", "1", "SN-1", "REPAIRED", {}});
    window->checkstat();
    EXPECT_EQ(remarks(), "Released per work order\n");
    choose(screen().combo1, "France");
    const QString easa = "Released per work order\nCertifies that the work specified in block 11/12 was carried out in "
                         "accordance with EASA 145 and with respect to that work, the aircraft component is considered "
                         "ready for release to service under EASA Acceptance Certificate number: FR.145.7";
    EXPECT_EQ(remarks(), easa);
    ASSERT_TRUE(window->printCommand().writePdf(folder() + "repair.pdf"));
    EXPECT_TRUE(pdfText(folder() + "repair.pdf").contains("FR.145.7"));

    // Typed remarks are replaced only when the user agrees; what the
    // builder itself composed is replaced without a question.
    screen().text13->setPlainText("typed");
    messages.shown.clear();
    messages.answers = {Message::Answer::No};
    screen().check3D8->click();
    EXPECT_TRUE(screen().check3D6->isChecked());
    EXPECT_TRUE(screen().check3D8->isChecked());
    EXPECT_EQ(remarks(), "typed");
    EXPECT_EQ(messages.shown, QList<Message>{arc::Prompts::kReplaceRemarks});
    messages.answers = {Message::Answer::Yes};
    choose(screen().combo1, "France");
    EXPECT_EQ(remarks(), easa);
    choose(screen().combo1, "France");
    EXPECT_EQ(messages.shown.size(), 2);

    // Remarks stored with a certificate may have been typed: asked too.
    screen().saveButton->click();
    window->certificate().ShowForm();
    ASSERT_EQ(window->certificate().newFormFlag(), 0);
    messages.shown.clear();
    screen().combo1->setCurrentIndex(0);
    emit screen().combo1->activated(0); // no country: no dual release
    EXPECT_EQ(messages.shown, QList<Message>{arc::Prompts::kReplaceRemarks});
    EXPECT_EQ(remarks(), easa);
}

// Ticking a box of 13a or 14a clears the boxes it excludes.
TEST_F(RemarksTest, TheFourReleaseBoxesExcludeEachOther)
{
    screen().newButton->click(); // a new part: 13a ticked, enabled
    screen().check3D2->click();
    EXPECT_FALSE(screen().check3D1->isChecked());
    EXPECT_TRUE(screen().check3D2->isChecked());
    screen().check3D1->click();
    EXPECT_TRUE(screen().check3D1->isChecked());
    EXPECT_FALSE(screen().check3D2->isChecked());
}

// A country and a forwarding house added on their panels serve the next
// export certificate; a corrected address shows in the next remark.
TEST_F(RemarksTest, CountriesAndHousesAddedOnTheirPanelsServeTheExportRemark)
{
    screen().setupButton->click();
    window->setupPanel().countriesButton->click();
    arc::CountriesPanel &countries = window->countriesPanel();
    ASSERT_FALSE(countries.isHidden());
    countries.newCountry();
    countries.newName->setText("Norway");
    countries.bilateral->setChecked(true);
    countries.save();
    countries.exitPanel();
    window->setupPanel().housesButton->click();
    arc::ForwardersPanel &houses = window->forwardersPanel();
    houses.newHouse();
    houses.newName->setText("Nordic Cargo");
    for (int i = 0; i < 4; ++i)
        houses.address[i]->setText(QString("line %1").arg(i + 1));
    houses.save();
    screen().setupButton->click();
    ASSERT_TRUE(window->setupPanel().isHidden());
    ASSERT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();

    screen().newButton->click();
    screen().option1->click();
    choose(screen().combo1, "Norway");
    choose(screen().combo2, "Nordic Cargo");
    const QString pad(42, ' ');
    EXPECT_TRUE(remarks().endsWith("FORWARDING HOUSE:  Nordic Cargo\n" + pad + "line 1\n" + pad + "line 2\n" + pad +
                                   "line 3\n" + pad + "line 4\n"))
        << remarks().toStdString();

    screen().setupButton->click();
    window->setupPanel().housesButton->click();
    houses.combo8->setCurrentIndex(houses.combo8->findText("Nordic Cargo"));
    houses.choose(houses.combo8->currentIndex());
    houses.address[0]->setText("Kai 3");
    houses.save();
    houses.exitPanel();
    screen().setupButton->click(); // closing puts both export lists back on their placeholders
    choose(screen().combo1, "Norway");
    choose(screen().combo2, "Nordic Cargo");
    EXPECT_TRUE(remarks().contains(pad + "Kai 3\n")) << remarks().toStdString();
}

// The export choice is stored with the certificate: shown again, it gives
// block 12 the same export lines; one stored without it shows "No".
TEST_F(RemarksTest, TheExportChoiceComesBackWithItsCertificate)
{
    screen().newButton->click();
    screen().option1->click();
    choose(screen().combo1, "Canada");
    choose(screen().combo2, "Acme Freight");
    const QString exported = remarks();
    ASSERT_TRUE(exported.startsWith("EXPORT Destination:       Canada\n")) << exported.toStdString();
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
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();

    storedExec("UPDATE Header SET Export = NULL, ExportCountry = NULL, Forwarder = NULL");
    screen().nextButton->click();
    EXPECT_TRUE(screen().option2->isChecked());
    EXPECT_EQ(screen().combo1->currentIndex(), 0);
    EXPECT_EQ(screen().combo2->currentIndex(), 0);
}

// Every signatory reads the statements; only an administrator changes
// them, and a changed one is what the next certificate carries.
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
        window->show();
        window->accessPanel().combo4->setCurrentIndex(window->accessPanel().combo4->findText(name));
        window->accessPanel().text44->setText(password);
        window->signIn().AgentSecurity();
        screen().setupButton->click();
        QPushButton *button = window->setupPanel().findChild<QPushButton *>("SSCommandStatements");
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), "Statements");
        button->click();
        arc::StatementsPanel &panel = window->statementsPanel();
        ASSERT_FALSE(panel.isHidden());
        EXPECT_EQ(panel.parentWidget(), &window->setupPanel());
        ASSERT_EQ(panel.list->count(), 6);
        panel.list->setCurrentRow(panel.list->row(panel.list->findItems("Dual release (EASA)", Qt::MatchExactly).value(0)));
        EXPECT_TRUE(panel.text->toPlainText().contains("block 11/12"));
        EXPECT_FALSE(panel.source->text().isEmpty());
        EXPECT_EQ(panel.text->isReadOnly(), !administrator);
        EXPECT_EQ(panel.source->isReadOnly(), !administrator);
        EXPECT_EQ(panel.saveButton->isEnabled(), administrator);
        if (administrator) {
            panel.text->setPlainText(changed);
            panel.saveButton->click();
        }
        panel.closeButton->click();
        EXPECT_TRUE(panel.isHidden());
        screen().setupButton->click();
        EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();
        if (administrator) {
            screen().newButton->click();
            choose(screen().combo3, "Acme Aero"); // closing the set-up panel cleared the choice
            window->setItemLine(0, {"1", "Fuel pump", "PN-7", "1", "SN-1", "REPAIRED", {}});
            window->checkstat();
            choose(screen().combo1, "France");
            EXPECT_EQ(remarks(), "Released per work order\n" + changed + "FR.145.7");
        }
        window.reset();
    }
}
