#include "WindowFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

using arc::Message;

class SaveTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        createDataFolder();
        storeDataPath(dataFolder());
    }
    QVariant stored(const QString &sql)
    {
        arc::DataFolder f;
        EXPECT_TRUE(f.open(dataFolder()).ok());
        return f.certificates().scalar(sql);
    }
    static arc::ItemLine line(const QString &item, const QString &serial = "S", const QString &status = "NEW")
    {
        return {item, "Valve", "PN-1", "1", serial, status, {}};
    }
    void setDefaults(const QString &assignments)
    {
        arc::DataFolder f;
        ASSERT_TRUE(f.open(dataFolder()).ok());
        ASSERT_TRUE(f.certificates().exec("UPDATE Defaults SET " + assignments).ok());
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
    EXPECT_EQ(stored("SELECT Date18 FROM Header").toString(), "2026-12-05");
    EXPECT_EQ(stored("SELECT Date23 FROM Header").toString(), "2027-01-07");
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 1);
    EXPECT_TRUE(messages.shown.isEmpty());

    // Back from a new certificate: the stored one, blank boxes as one blank.
    screen().newButton->click();
    screen().previousButton->click();
    EXPECT_EQ(screen().text3->text(), " ");
    EXPECT_EQ(screen().text5->toPlainText(), "WO-2");
    EXPECT_EQ(screen().text6->text(), "07/Jan/2027");
    EXPECT_EQ(screen().text7->text(), " ");
    EXPECT_EQ(window->itemSlots()[0], line("1"));
    EXPECT_EQ(window->itemSlots()[1], arc::ItemLine{});

    // Dates cleared or not dates keep what is stored.
    screen().text18->setText("");
    screen().text6->setText("soon");
    screen().saveButton->click();
    EXPECT_EQ(stored("SELECT Date18 FROM Header").toString(), "2026-12-05");
    EXPECT_EQ(stored("SELECT Date23 FROM Header").toString(), "2027-01-07");
}

TEST_F(SaveTest, TenLinesAreStoredAndATextStartingWithALineBreakIsKept)
{
    openWindow();
    for (int r = 0; r < 10; ++r)
        window->setItemLine(r, line(QString::number(r + 1), QString("S%1").arg(r)));
    screen().text13->setPlainText("\nEXPORT remark below a blank line");
    screen().saveButton->click();
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 10);
    EXPECT_EQ(stored("SELECT SerialNum FROM Detail ORDER BY rowid DESC LIMIT 1").toString(), "S9");
    EXPECT_EQ(stored("SELECT Remarks FROM Header").toString(), "\r\nEXPORT remark below a blank line");
}

TEST_F(SaveTest, TooLongValueIsReportedOnceAndEverythingElseStored)
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
    EXPECT_EQ(stored("SELECT Remarks FROM Header").toString(), "first remark");
    EXPECT_EQ(stored("SELECT Invoice FROM Header").toString(), "WO-9");
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 2);
    EXPECT_TRUE(stored("SELECT SerialNum FROM Detail ORDER BY rowid LIMIT 1").isNull())
        << "the refused serial number stays empty in the new line";
}

TEST_F(SaveTest, FailedSaveStoresNothingAndSaysSo)
{
    openWindow();
    window->setItemLine(0, line("1", "OLD"));
    screen().text5->setPlainText("WO-OLD");
    screen().saveButton->click();
    // Something outside the program breaks the line table.
    ASSERT_TRUE(stored("SELECT 1").isValid());
    {
        arc::DataFolder f;
        ASSERT_TRUE(f.open(dataFolder()).ok());
        ASSERT_TRUE(f.certificates().exec("CREATE TRIGGER no_lines BEFORE INSERT ON Detail "
                                          "BEGIN SELECT RAISE(ABORT, 'disk trouble'); END")
                        .ok());
    }
    screen().text5->setPlainText("WO-NEW");
    screen().saveButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].icon, Message::Icon::Critical);
    EXPECT_TRUE(messages.shown[0].prompt.contains("not saved"));
    EXPECT_EQ(stored("SELECT Invoice FROM Header").toString(), "WO-OLD");
    EXPECT_EQ(stored("SELECT SerialNum FROM Detail").toString(), "OLD");
    EXPECT_EQ(screen().text5->toPlainText(), "WO-NEW") << "the entries stay for another try";
}

TEST_F(SaveTest, DeleteAsksWithNoAsDefaultAndShowsTheLastOrANewCertificate)
{
    addCertificate("A");
    addCertificate("B");
    setDefaults("Tracking = '000099', IncreaseTrack = 1");
    openWindow();
    EXPECT_EQ(screen().text3->text(), "000100");

    // Nothing stored is on screen yet.
    screen().deleteButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Delete form on screen");
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 2);

    screen().previousButton->click();
    screen().previousButton->click(); // on A
    messages.shown.clear();
    messages.answers = {Message::Answer::No};
    screen().deleteButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], (Message{"Are you sure you want to delete this entire form?", "Delete form on screen",
                                          Message::Buttons::YesNo, Message::Icon::Critical, Message::Answer::No}));
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 2);

    messages.answers = {Message::Answer::Yes};
    screen().deleteButton->click();
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 1);
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 1);
    EXPECT_EQ(screen().text3->text(), "B") << "the last stored certificate is shown";

    messages.answers = {Message::Answer::Yes};
    screen().deleteButton->click();
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 0);
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 0);
    EXPECT_EQ(window->newFormFlag(), 1);
    EXPECT_EQ(screen().text3->text(), "000101") << "a new certificate with the next number";
}

TEST_F(SaveTest, NewCertificateStartsFromTheDefaults)
{
    addRow("Organizations", {{"Organization", "Acme Aero"}, {"CertificateNum", "ACME123"}});
    setDefaults("Country = 'EASA/France', Organ2 = 'Alt org', Invoice = 'WO-0099', IncreaseInv = 1, "
                "Batch = NULL, IncreaseBatch = 1, Remarks = 'Default remark', Description = 'Seal', "
                "PartNum = 'P-9', Status = 'REPAIRED', Tracking = NULL, IncreaseTrack = 1");
    openWindow();
    EXPECT_EQ(screen().text38->text(), "EASA/France");
    EXPECT_EQ(screen().text2->toPlainText(), "Alt org");
    EXPECT_EQ(screen().text3->text(), "000001");
    EXPECT_EQ(screen().text5->toPlainText(), "WO-100");
    EXPECT_EQ(screen().text13->toPlainText(), "Default remark");
    EXPECT_EQ(window->itemSlots()[0], (arc::ItemLine{"1", "Seal", "P-9", "1", "1", "REPAIRED", {}}));
    EXPECT_EQ(cell(0, 4), "1");
    EXPECT_TRUE(screen().check3D6->isChecked()) << "REPAIRED selects block 14";
    EXPECT_EQ(screen().text4->text(), "ACME123") << "the first organisation is chosen at start-up";
    EXPECT_EQ(screen().text1->toPlainText(), "Acme Aero\n\n\n");
    EXPECT_TRUE(stored("SELECT Tracking FROM Defaults").isNull()) << "a null counter is never written";
    EXPECT_EQ(stored("SELECT Invoice FROM Defaults").toString(), "WO-100");

    screen().newButton->click();
    EXPECT_EQ(screen().text5->toPlainText(), "WO-101");
    EXPECT_EQ(screen().text3->text(), "000001");
    EXPECT_EQ(screen().text4->text(), "ACME123") << "14c again from the chosen organisation";
}
