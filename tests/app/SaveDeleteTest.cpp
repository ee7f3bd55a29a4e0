#include "WindowFixture.h"

#include "Prompts.h"

using arc::Message;

class SaveTest : public DataWindowTest {
protected:
    static arc::ItemLine line(const QString &item, const QString &serial = "S", const QString &status = "NEW")
    {
        return {item, "Valve", "PN-1", "1", serial, status, {}};
    }
};

TEST_F(SaveTest, NewCertificateIsStoredOnceAndReloadsAsSaved)
{
    openWindow();
    screen().text3->setText("");
    screen().text5->setPlainText("WO-1");
    screen().text1->setPlainText("Acme Aero\n1 Main St");
    screen().text17->setText("Pat Doe");
    screen().text18->setText("05/Dec/2026");
    screen().text6->setText("7 January 2027");
    window->setItemLine(0, line("1"));
    window->setItemLine(1, line(""));
    window->setItemLine(1, {"", "", "", "", "", "NEW", {}}); // only a status: ends the lines
    window->setItemLine(2, line("3"));
    screen().saveButton->click();
    EXPECT_EQ(window->newFormFlag(), 0);
    const qint64 key = window->currentFormIndex();
    EXPECT_GT(key, 0);
    screen().text5->setPlainText("WO-2");
    screen().saveButton->click();
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 1) << "the second save updates the same row";
    EXPECT_EQ(window->currentFormIndex(), key);
    EXPECT_EQ(stored("SELECT Organ1 FROM Header").toString(), "Acme Aero\r\n1 Main St");
    EXPECT_EQ(stored("SELECT Date18 || ' ' || Date23 FROM Header").toString(), "2026-12-05 2027-01-07");
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 1);
    EXPECT_TRUE(messages.shown.isEmpty());

    // Back from a new certificate: the stored one, blank boxes stored as one
    // blank and shown empty.
    EXPECT_EQ(stored("SELECT Tracking || '|' || Name22 FROM Header").toString(), " | ");
    screen().newButton->click();
    screen().previousButton->click();
    expectShown(
        {{screen().text3, ""}, {screen().text5, "WO-2"}, {screen().text6, "07/Jan/2027"}, {screen().text7, ""}});
    EXPECT_EQ(window->itemSlots()[0], line("1"));
    EXPECT_EQ(window->itemSlots()[1], arc::ItemLine{});

    // Dates cleared or not dates keep what is stored; all ten lines are
    // stored, and a text starting with a line break keeps it.
    screen().text18->setText("");
    screen().text6->setText("soon");
    for (int r = 0; r < 10; ++r)
        window->setItemLine(r, line(QString::number(r + 1), QString("S%1").arg(r)));
    screen().text13->setPlainText("\nEXPORT remark below a blank line");
    screen().saveButton->click();
    EXPECT_EQ(stored("SELECT Date18 || ' ' || Date23 FROM Header").toString(), "2026-12-05 2027-01-07");
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 10);
    EXPECT_EQ(stored("SELECT SerialNum FROM Detail ORDER BY rowid DESC LIMIT 1").toString(), "S9");
    EXPECT_EQ(stored("SELECT Remarks FROM Header").toString(), "\r\nEXPORT remark below a blank line");
}

TEST_F(SaveTest, TooLongValueIsReportedOnceAndAFailedSaveStoresNothing)
{
    openWindow();
    screen().text13->setPlainText("first remark");
    screen().saveButton->click();
    screen().text13->setPlainText(QString(64001, 'R'));
    screen().text5->setPlainText("WO-9");
    window->setItemLine(0, line("1", QString(31, 'S')));
    window->setItemLine(1, line("2"));
    screen().saveButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], (Message{"Consult the manual and re-enter", "One of your entries is too long.",
                                          Message::Buttons::Ok, Message::Icon::Critical, Message::Answer::Ok}));
    EXPECT_EQ(stored("SELECT Remarks || ' ' || Invoice FROM Header").toString(), "first remark WO-9");
    EXPECT_EQ(stored("SELECT count(*) FROM Detail WHERE SerialNum IS NULL").toInt(), 1) << "the refused one";
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 2);

    // Something outside the program breaks the line table: nothing of the
    // save is stored, the user is told and the entries stay for another try.
    storedExec("CREATE TRIGGER no_lines BEFORE INSERT ON Detail BEGIN SELECT RAISE(ABORT, 'disk trouble'); END");
    screen().text13->setPlainText("second remark");
    screen().text5->setPlainText("WO-NEW");
    window->setItemLine(0, line("1", "NEW"));
    screen().saveButton->click();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1].icon, Message::Icon::Critical);
    EXPECT_TRUE(messages.shown[1].prompt.contains("not saved"));
    EXPECT_EQ(stored("SELECT Remarks || ' ' || Invoice FROM Header").toString(), "first remark WO-9");
    EXPECT_EQ(stored("SELECT count(*) FROM Detail WHERE SerialNum IS NULL").toInt(), 1);
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 2);
    EXPECT_EQ(screen().text5->toPlainText(), "WO-NEW");
}

TEST_F(SaveTest, DeleteAsksWithNoAsDefaultAndShowsTheLastOrANewCertificate)
{
    addCertificate("A");
    addCertificate("B");
    storedExec("UPDATE Defaults SET Tracking = '000099', IncreaseTrack = 1");
    const auto counts = [&] {
        return stored("SELECT (SELECT count(*) FROM Header) || '/' || (SELECT count(*) FROM Detail)").toString();
    };
    openWindow();
    EXPECT_EQ(screen().text3->text(), "000100");

    // Nothing stored is on screen yet.
    screen().deleteButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Delete form on screen");
    EXPECT_EQ(counts(), "2/2");

    screen().previousButton->click();
    screen().previousButton->click(); // on A
    messages.shown.clear();
    messages.answers = {Message::Answer::No};
    screen().deleteButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], (Message{"Are you sure you want to delete this entire form?", "Delete form on screen",
                                          Message::Buttons::YesNo, Message::Icon::Critical, Message::Answer::No}));
    EXPECT_EQ(counts(), "2/2");

    messages.answers = {Message::Answer::Yes};
    screen().deleteButton->click();
    EXPECT_EQ(counts(), "1/1");
    EXPECT_EQ(screen().text3->text(), "B") << "the last stored certificate is shown";

    messages.answers = {Message::Answer::Yes};
    screen().deleteButton->click();
    EXPECT_EQ(counts(), "0/0");
    EXPECT_EQ(window->newFormFlag(), 1);
    EXPECT_EQ(screen().text3->text(), "000101") << "a new certificate with the next number";
}

TEST_F(SaveTest, NewCertificateStartsFromTheDefaults)
{
    addRow("Organizations", {{"Organization", "Acme Aero"}, {"CertificateNum", "ACME123"}});
    storedExec("UPDATE Defaults SET Country = 'EASA/France', Organ2 = 'Alt org', Invoice = 'WO-0099', IncreaseInv = 1, "
                "Batch = NULL, IncreaseBatch = 1, Remarks = 'Default remark', Description = 'Seal', "
                "PartNum = 'P-9', Status = 'REPAIRED', Tracking = NULL, IncreaseTrack = 1");
    openWindow();
    expectShown({{screen().text38, "EASA/France"}, {screen().text2, "Alt org"}, {screen().text3, "000001"},
                 {screen().text5, "WO-100"}, {screen().text13, "Default remark\n"}}); // a repair: the defaults' remark, a break and no statement
    EXPECT_EQ(window->itemSlots()[0], (arc::ItemLine{"1", "Seal", "P-9", "1", "1", "REPAIRED", {}}));
    EXPECT_TRUE(screen().check3D6->isChecked()) << "REPAIRED selects block 14";
    // The first organisation is chosen at start-up.
    expectShown({{screen().text4, "ACME123"}, {screen().text1, "Acme Aero\n\n\n"}});

    screen().newButton->click();
    expectShown({{screen().text5, "WO-101"}, {screen().text3, "000001"}, {screen().text4, "ACME123"}});
}

// Two certificates never carry one block 3 number: Save refuses a number
// another certificate holds, also one written by another program.
TEST_F(SaveTest, ANumberAnotherCertificateCarriesIsRefusedAndNothingStored)
{
    addRow("Header", {{"Tracking", "000123"}, {"Date23", "2026-11-30"}});
    openWindow();
    screen().text3->setText("000123 ");
    window->setItemLine(0, line("1"));
    screen().saveButton->click();
    EXPECT_EQ(messages.shown, QList<Message>{arc::Prompts::numberInUse("000123", "30/Nov/2026")});
    EXPECT_EQ(window->newFormFlag(), 1);
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 1);
    expectShown({{screen().text3, "000123 "}});

    screen().text3->setText("000124");
    screen().saveButton->click();
    screen().saveButton->click();
    EXPECT_EQ(messages.shown.size(), 1) << "its own number is no other's";
    const qint64 key = window->currentFormIndex();
    screen().text3->setText("000123");
    screen().saveButton->click();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(stored(QString("SELECT Tracking FROM Header WHERE FormIndex = %1").arg(key)).toString(), "000124");
}

// Another workstation deleted the certificate on screen: Save never reports
// success while storing nothing, never leaves lines without their header,
// and offers to keep the entries as a new certificate.
TEST_F(SaveTest, SavingACertificateDeletedElsewhereOffersToStoreItAsNew)
{
    const qint64 gone = addCertificate("GONE", {"NEW", "NEW"});
    openWindow();
    screen().previousButton->click();
    ASSERT_EQ(window->currentFormIndex(), gone);
    storedExec(QString("DELETE FROM Detail WHERE FormIndex = %1").arg(gone));
    storedExec(QString("DELETE FROM Header WHERE FormIndex = %1").arg(gone));
    screen().text5->setPlainText("WO-KEPT");
    const auto counts = [&] {
        return stored("SELECT (SELECT count(*) FROM Header) || '/' || (SELECT count(*) FROM Detail)").toString();
    };

    messages.answers = {Message::Answer::No};
    screen().saveButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Save form on screen");
    EXPECT_EQ(messages.shown[0].buttons, Message::Buttons::YesNo);
    EXPECT_TRUE(messages.shown[0].prompt.contains("deleted")) << messages.shown[0].prompt.toStdString();
    EXPECT_EQ(counts(), "0/0") << "nothing stored, no lines without a header";
    EXPECT_EQ(screen().text5->toPlainText(), "WO-KEPT");

    messages.answers = {Message::Answer::Yes};
    screen().saveButton->click();
    EXPECT_EQ(counts(), "1/2");
    EXPECT_EQ(stored("SELECT Invoice FROM Header").toString(), "WO-KEPT");
    EXPECT_NE(window->currentFormIndex(), gone);
    EXPECT_EQ(window->currentFormIndex(), stored("SELECT FormIndex FROM Header").toLongLong());
    EXPECT_EQ(window->newFormFlag(), 0);
}

// Another workstation changed the certificate on screen since it was
// shown: Save tells the user instead of undoing that change, keeps the
// entries on No, and shows the stored certificate on Yes, which then saves.
TEST_F(SaveTest, SavingACertificateChangedElsewhereTellsTheUserAndCanShowTheStoredOne)
{
    const qint64 key = addCertificate("SHOWN", {"NEW"});
    openWindow();
    screen().previousButton->click();
    ASSERT_EQ(window->currentFormIndex(), key);
    storedExec(QString("UPDATE Header SET Invoice = 'WO-ELSEWHERE' WHERE FormIndex = %1").arg(key));
    screen().text5->setPlainText("WO-MINE");

    messages.answers = {Message::Answer::No};
    screen().saveButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Save form on screen");
    EXPECT_TRUE(messages.shown[0].prompt.contains("changed at another workstation"))
        << messages.shown[0].prompt.toStdString();
    EXPECT_EQ(stored("SELECT Invoice FROM Header").toString(), "WO-ELSEWHERE");
    EXPECT_EQ(screen().text5->toPlainText(), "WO-MINE");

    messages.answers = {Message::Answer::Yes};
    screen().saveButton->click();
    EXPECT_EQ(screen().text5->toPlainText(), "WO-ELSEWHERE") << "the stored certificate is shown";
    screen().text13->setPlainText("checked");
    screen().saveButton->click();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(stored("SELECT Invoice || ' ' || Remarks FROM Header").toString(), "WO-ELSEWHERE checked");
}

// Numbers whose counters could not be stored are not shown as issued: the
// user is told and the boxes stay empty, so no two certificates share one.
TEST_F(SaveTest, NewWhoseCountersCannotBeStoredShowsNoNumbers)
{
    storedExec("UPDATE Defaults SET Tracking = '000099', IncreaseTrack = 1, Invoice = '7', IncreaseInv = 1");
    openWindow();
    EXPECT_EQ(screen().text3->text(), "000100");
    storedExec("CREATE TRIGGER full BEFORE UPDATE ON Defaults BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    screen().newButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Database");
    EXPECT_TRUE(messages.shown[0].prompt.startsWith("The next certificate numbers could not be stored, so none were "
                                                    "issued"))
        << messages.shown[0].prompt.toStdString();
    expectShown({{screen().text3, ""}, {screen().text5, ""}});
    EXPECT_EQ(window->itemSlots()[0].serialNum, "");

    storedExec("DROP TRIGGER full");
    screen().newButton->click();
    EXPECT_EQ(screen().text3->text(), "000101") << "the withdrawn number was never stored, so it is issued now";
}

// What cannot be read as the user steps to a stored certificate is told,
// never passed over.
struct UnreadableCase {
    const char *name;
    const char *fault; // run on the certificates file once the window shows
    const char *told;
};
void PrintTo(const UnreadableCase &c, std::ostream *os) { *os << c.name; }

class UnreadableStepTest : public SaveTest, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableStepTest, IsToldToTheUser)
{
    addCertificate("A");
    openWindow();
    storedExec(GetParam().fault);
    messages.shown.clear();
    screen().previousButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Database");
    EXPECT_TRUE(messages.shown[0].prompt.startsWith(GetParam().told)) << messages.shown[0].prompt.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, UnreadableStepTest,
                         ::testing::Values(UnreadableCase{"Certificate", "ALTER TABLE Header RENAME TO Gone",
                                                          "The certificate could not be read: "},
                                           UnreadableCase{"Items", "ALTER TABLE Detail RENAME TO Gone",
                                                          "Not all items of the certificate could be read: "}),
                         [](const auto &info) { return std::string(info.param.name); });
