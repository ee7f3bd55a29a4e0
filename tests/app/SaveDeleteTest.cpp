#include "WindowFixture.h"

#include "Prompts.h"

using arc::Message;

// What the screen hands the certificate store and what the user is told.
class SaveTest : public DataWindowTest {
protected:
    static arc::ItemLine line(const QString &item, const QString &serial = "S", const QString &status = "NEW")
    {
        return {item, "Valve", "PN-1", "1", serial, status, {}};
    }
    QString counts()
    {
        return stored("SELECT (SELECT count(*) FROM Header) || '/' || (SELECT count(*) FROM Detail)").toString();
    }
};

TEST_F(SaveTest, NewCertificateIsStoredOnceAndReloadsAsSaved)
{
    openWindow();
    screen().block3Tracking->setText("");
    screen().block5Invoice->setPlainText("WO-1");
    screen().block4Organization->setPlainText("Acme Aero\n1 Main St");
    screen().block13eDate->setText("05/Dec/2026");
    window->setItemLine(0, line("1"));
    window->setItemLine(1, {"", "", "", "", "", "NEW", {}}); // only a status: ends the lines
    window->setItemLine(2, line("3"));
    screen().saveButton->click();
    const qint64 key = window->currentFormIndex();
    EXPECT_GT(key, 0);
    screen().block5Invoice->setPlainText("WO-2");
    screen().saveButton->click();
    EXPECT_EQ(window->currentFormIndex(), key) << "the second save updates the same row";
    EXPECT_EQ(counts(), "1/1");
    messages.expectNothingAsked();

    screen().newButton->click();
    screen().previousButton->click();
    expectShown({{screen().block3Tracking, ""}, {screen().block4Organization, "Acme Aero\n1 Main St"},
                 {screen().block5Invoice, "WO-2"}, {screen().block13eDate, "05/Dec/2026"}});
    EXPECT_EQ(window->itemSlots()[0], line("1"));

    // Stored as the earlier program did; a leading line break is kept.
    screen().block12Remarks->setPlainText("\nEXPORT remark below a blank line");
    screen().saveButton->click();
    EXPECT_EQ(stored("SELECT Remarks FROM Header").toString(), "\r\nEXPORT remark below a blank line");
}

TEST_F(SaveTest, TooLongValueIsReportedOnceAndAFailedSaveStoresNothing)
{
    openWindow();
    screen().block12Remarks->setPlainText(QString(64001, 'R'));
    screen().block5Invoice->setPlainText("WO-9");
    window->setItemLine(0, line("1", QString(31, 'S')));
    screen().saveButton->click();
    messages.expectAsked(arc::Prompts::kTooLong);
    EXPECT_EQ(stored("SELECT Invoice FROM Header").toString(), "WO-9") << "the rest is stored";

    // A broken line table: nothing stored, the user told, the entries kept.
    storedExec("CREATE TRIGGER no_lines BEFORE INSERT ON Detail BEGIN SELECT RAISE(ABORT, 'disk trouble'); END");
    screen().block5Invoice->setPlainText("WO-NEW");
    window->setItemLine(0, line("1", "NEW"));
    screen().saveButton->click();
    messages.expectAsked("Database", {"The certificate was not saved", "disk trouble"});
    EXPECT_EQ(stored("SELECT Invoice FROM Header").toString(), "WO-9");
    EXPECT_EQ(screen().block5Invoice->toPlainText(), "WO-NEW");
}

TEST_F(SaveTest, DeleteAsksWithNoAsDefaultAndShowsTheLastOrANewCertificate)
{
    addCertificate("A");
    addCertificate("B");
    storedExec("UPDATE Defaults SET Tracking = '000099', IncreaseTrack = 1");
    openWindow();
    screen().deleteButton->click();
    messages.expectAsked(arc::Prompts::kNothingToDelete);

    screen().previousButton->click();
    screen().previousButton->click(); // on A
    messages.shown.clear();
    screen().deleteButton->click(); // No, the default
    messages.expectAsked(arc::Prompts::kDeleteForm);
    EXPECT_EQ(counts(), "2/2");

    messages.answers = {Message::Answer::Yes, Message::Answer::Yes};
    screen().deleteButton->click();
    EXPECT_EQ(counts(), "1/1");
    EXPECT_EQ(screen().block3Tracking->text(), "B") << "the last stored certificate is shown";
    screen().deleteButton->click();
    EXPECT_EQ(counts(), "0/0");
    EXPECT_EQ(window->newFormFlag(), 1);
    EXPECT_EQ(screen().block3Tracking->text(), "000101") << "a new certificate with the next number";
}

// Where the defaults' numbers show, and that none show when not stored.
TEST_F(SaveTest, NewCertificateStartsFromTheDefaults)
{
    addRow("Organizations", {{"Organization", "Acme Aero"}, {"CertificateNum", "ACME123"}});
    storedExec("UPDATE Defaults SET Country = 'EASA/France', Organ2 = 'Alt org', Invoice = 'WO-0099', IncreaseInv = 1, "
                "Tracking = '000099', IncreaseTrack = 1, Batch = NULL, IncreaseBatch = 1, Remarks = 'Default remark', "
                "Description = 'Seal', PartNum = 'P-9', Status = 'REPAIRED'");
    openWindow();
    expectShown({{screen().block1Country, "EASA/France"}, {screen().block4Second, "Alt org"}, {screen().block5Invoice, "WO-100"},
                 {screen().block12Remarks, "Default remark\n"}, {screen().block14cNumber, "ACME123"}});
    EXPECT_EQ(window->itemSlots()[0], (arc::ItemLine{"1", "Seal", "P-9", "1", "1", "REPAIRED", {}}));
    EXPECT_TRUE(screen().block14aReturnToService->isChecked()) << "REPAIRED selects block 14";

    storedExec("CREATE TRIGGER full BEFORE UPDATE ON Defaults BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    screen().newButton->click();
    messages.expectAsked("Database", {"The next certificate numbers could not be stored, so none were issued"});
    expectShown({{screen().block3Tracking, ""}, {screen().block5Invoice, ""}});
}

TEST_F(SaveTest, ANumberAnotherCertificateCarriesIsRefusedAndNothingStored)
{
    addRow("Header", {{"Tracking", "000123"}, {"Date23", "2026-11-30"}});
    openWindow();
    screen().block3Tracking->setText("000123 ");
    screen().saveButton->click();
    messages.expectAsked(arc::Prompts::numberInUse("000123", "30/Nov/2026"));
    EXPECT_EQ(window->newFormFlag(), 1);
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 1);
}

// Deleted elsewhere: Save stores nothing (no lines without their header)
// and offers to keep the entries as a new certificate.
TEST_F(SaveTest, SavingACertificateDeletedElsewhereOffersToStoreItAsNew)
{
    const qint64 gone = addCertificate("GONE", {"NEW", "NEW"});
    openWindow();
    screen().previousButton->click();
    storedExec(QString("DELETE FROM Detail WHERE FormIndex = %1").arg(gone));
    storedExec(QString("DELETE FROM Header WHERE FormIndex = %1").arg(gone));
    screen().block5Invoice->setPlainText("WO-KEPT");

    messages.answers = {Message::Answer::No, Message::Answer::Yes};
    screen().saveButton->click();
    EXPECT_EQ(counts(), "0/0") << "nothing stored, no lines without a header";
    EXPECT_EQ(screen().block5Invoice->toPlainText(), "WO-KEPT");
    screen().saveButton->click();
    messages.expectAsked({arc::Prompts::kCertificateGone, arc::Prompts::kCertificateGone});
    EXPECT_EQ(counts(), "1/2");
    EXPECT_EQ(stored("SELECT Invoice FROM Header").toString(), "WO-KEPT");
    EXPECT_EQ(window->currentFormIndex(), stored("SELECT FormIndex FROM Header").toLongLong());
    EXPECT_NE(window->currentFormIndex(), gone);
}

// Changed elsewhere since shown: Save does not undo that change; No keeps
// the entries, Yes shows the stored certificate, which then saves.
TEST_F(SaveTest, SavingACertificateChangedElsewhereTellsTheUserAndCanShowTheStoredOne)
{
    const qint64 key = addCertificate("SHOWN", {"NEW"});
    openWindow();
    screen().previousButton->click();
    storedExec(QString("UPDATE Header SET Invoice = 'WO-ELSEWHERE' WHERE FormIndex = %1").arg(key));
    screen().block5Invoice->setPlainText("WO-MINE");

    messages.answers = {Message::Answer::No, Message::Answer::Yes};
    screen().saveButton->click();
    EXPECT_EQ(stored("SELECT Invoice FROM Header").toString(), "WO-ELSEWHERE");
    EXPECT_EQ(screen().block5Invoice->toPlainText(), "WO-MINE");
    screen().saveButton->click();
    messages.expectAsked({arc::Prompts::kCertificateChanged, arc::Prompts::kCertificateChanged});
    EXPECT_EQ(screen().block5Invoice->toPlainText(), "WO-ELSEWHERE") << "the stored certificate is shown";
    screen().block12Remarks->setPlainText("checked");
    screen().saveButton->click();
    messages.expectNothingAsked();
    EXPECT_EQ(stored("SELECT Remarks FROM Header").toString(), "checked");
}

// New's numbers and blocks 12 to 14 with the lines and organisation on screen.
TEST_F(SaveTest, DuplicateIsANewCertificateWithTheLinesOnScreenStoredOnlyBySave)
{
    storedExec("UPDATE Defaults SET Tracking = '000099', IncreaseTrack = 1, Remarks = 'Default remark'");
    openWindow();
    screen().block4Organization->setPlainText("Acme Aero\n1 Main St");
    window->setItemLine(0, line("1", "S-1", "REPAIRED"));
    window->setItemLine(1, line("2", "S-2", "REPAIRED"));
    screen().block12Remarks->setPlainText("typed for this one");
    screen().saveButton->click();
    const arc::ItemSlots lines = window->itemSlots();

    screen().duplicateButton->click();
    messages.expectNothingAsked();
    EXPECT_EQ(window->newFormFlag(), 1);
    EXPECT_EQ(window->itemSlots(), lines);
    expectShown({{screen().block3Tracking, "000101"}, {screen().block4Organization, "Acme Aero\n1 Main St"},
                 {screen().block12Remarks, "Default remark\n"}});
    EXPECT_TRUE(screen().block14aReturnToService->isChecked());
    EXPECT_EQ(counts(), "1/2");

    messages.answers = {Message::Answer::Cancel};
    screen().newButton->click(); // the duplicate stays
    messages.expectAsked(arc::Prompts::saveChanges("000101"));
    screen().saveButton->click();
    EXPECT_EQ(counts(), "2/4") << "the lines on screen stored again with the duplicate";
}
