#include "EntryBox.h"
#include "PanelFixture.h"
#include "Passwords.h"
#include "SignatureFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QPushButton>
#include <QRadioButton>

using arc::AgentEntry;

class SignatoriesPanelTest : public SignatoriesPanelFixture<> {
protected:
    void SetUp() override
    {
        SignatoriesPanelFixture::SetUp();
        for (const char *f : {"pat.bmp", "lee.BMP", "notes.txt"})
            writeFile(folder() + f, "");
    }
};

// Who may do what is the signatory rights' table; here the panel asks them
// and shows the answer.
TEST_F(SignatoriesPanelTest, ThePanelShowsWhatTheRightsAllow)
{
    openPanel({agent("Pat", "p1", "D-1"), agent("Boss", "b1", "D-2", true)});
    EXPECT_FALSE(pressDmirs()) << "no signatory named, no master password";
    EXPECT_TRUE(panel->isHidden());

    signInAs(0);
    ASSERT_TRUE(pressDmirs());
    EXPECT_FALSE(setupEnabled) << "the set-up panel cannot close under this one";
    EXPECT_TRUE(panel->no->isChecked());
    EXPECT_EQ(panel->certification->text(), "D-1");
    EXPECT_FALSE(panel->combo6->isEnabled() || panel->newButton->isEnabled() || panel->deleteButton->isEnabled()
                 || panel->yes->isEnabled())
        << "his own row only";
    ASSERT_TRUE(data.reference().exec("UPDATE Agents SET Administrator = 0").ok());
    panel->adminPassword->setText("zorp7351");
    EXPECT_TRUE(panel->yes->isEnabled()) << "no administrator yet: the first one is set up this way";
    ASSERT_TRUE(data.reference().exec("UPDATE Agents SET Administrator = 1 WHERE Name = 'Boss'").ok());
    panel->exitPanel();
    EXPECT_TRUE(setupEnabled);
    EXPECT_EQ(panel->adminPassword->text(), "");

    signInAs(1);
    ASSERT_TRUE(pressDmirs());
    EXPECT_TRUE(panel->yes->isChecked() && panel->combo6->isEnabled() && panel->newButton->isEnabled());
    panel->deleteSignatory();
    messages.expectAsked("Delete DMIR", {"Boss is signed in"});
    EXPECT_EQ(stored("SELECT count(*) FROM Agents"), "2");
    panel->exitPanel();

    // The master password with no signatory chosen: nothing to write to.
    signedIn.reset();
    master = true;
    ASSERT_TRUE(pressDmirs());
    panel->certification->setText("D-5");
    panel->save();
    messages.expectAsked("DMIRs", {"No signatory is chosen, so nothing was saved."});
    EXPECT_EQ(stored("SELECT group_concat(ApprovalNumber) FROM Agents"), "D-1,D-2");
}

TEST_F(SignatoriesPanelTest, OpeningOnAnEmptyTableStartsANewSignatory)
{
    openPanel();
    ASSERT_TRUE(pressDmirs());
    EXPECT_TRUE(addMode.isOn());
    panel->certification->setText("N-1");
    panel->save();
    EXPECT_EQ(stored("SELECT count(*) FROM Agents"), "1");
    ASSERT_EQ(access.count(), 1) << "a nameless signatory is listed with an empty name";
    EXPECT_EQ(access.itemText(0), "");
}

TEST_F(SignatoriesPanelTest, SaveKeepsPasswordsWholeAndBothListsInStep)
{
    ASSERT_NO_FATAL_FAILURE(openAsFirst({agent("Pat", "a-long-pass-14", "D-1", true)}));

    for (const char *blank : {"", " "}) {
        panel->certification->setText(blank);
        panel->save();
        messages.expectAsked("Approval number missing", {"approval number"});
    }
    EXPECT_EQ(stored("SELECT ApprovalNumber FROM Agents"), "D-1");
    panel->certification->setText("  ");
    panel->newPassword->clear();
    panel->save();
    messages.expectNothingAsked(); // two blanks are a number
    EXPECT_EQ(stored("SELECT Password FROM Agents"), "a-long-pass-14") << "an empty new password keeps the old one";
    EXPECT_EQ(access.itemData(0).value<AgentEntry>().approvalNumber, "  ");

    // A new signatory: no inherited password, and both lists get the name.
    panel->newSignatory();
    EXPECT_TRUE(addMode.isOn());
    EXPECT_EQ(panel->oldPassword->text(), "");
    panel->newName->setText("Lee");
    panel->certification->setText("D-9");
    panel->save();
    EXPECT_FALSE(addMode.isOn());
    EXPECT_EQ(stored("SELECT Password FROM Agents WHERE Name = 'Lee'"), "");
    ASSERT_EQ(access.count(), 2);
    EXPECT_EQ(access.itemText(1), "Lee");
    EXPECT_EQ(access.itemData(1).value<AgentEntry>().approvalNumber, "D-9");
    EXPECT_EQ(panel->combo6->currentText(), "Lee");
    panel->newPassword->setText("lee-pw-2026");
    panel->save();
    messages.expectAsked("Password too short", {"at least 12 characters", "has 11", "Nothing was saved"});
    EXPECT_EQ(stored("SELECT Password FROM Agents WHERE Name = 'Lee'"), "");
    panel->newPassword->clear();
    QTest::keyClicks(panel->newPassword, "Harper-Pass-2026"); // typed whole, never cut at the box
    panel->save();
    const QString hash = stored("SELECT Password FROM Agents WHERE Name = 'Lee'");
    EXPECT_EQ(arc::Passwords::verify(hash, "Harper-Pass-2026"), arc::Passwords::Verdict::Right) << "stored as its hash";
    EXPECT_EQ(access.itemData(1).value<AgentEntry>().password, hash) << "sign-in sees the new password at once";
    EXPECT_EQ(panel->newPassword->text(), "");
    EXPECT_EQ(panel->oldPassword->text(), "") << "no password is ever shown";
    EXPECT_EQ(stored("SELECT Password FROM Agents WHERE Name = 'Pat'"), "a-long-pass-14");
}

// The signature files offered and chosen; a delete removes the row chosen,
// not another of its name, or is told when the store refuses it.
TEST_F(SignatoriesPanelTest, SignatureFilesAndDeleteOfTheChosenRow)
{
    const QVariantMap signs = {{"UseElectronic", true}, {"ElectronicSign", "pat.bmp"}};
    ASSERT_NO_FATAL_FAILURE(openAsFirst({agent("Pat", "1", "D-1", true, signs), agent("Pat", "2", "D-2")}));
    ASSERT_EQ(panel->files->count(), 2) << "bitmaps of the data folder only, by bare name";
    EXPECT_TRUE(panel->useElectronic->isChecked()) << "the stored flag";
    EXPECT_EQ(panel->newPassword->echoMode(), QLineEdit::Password);
    panel->choose(0);
    ASSERT_EQ(panel->files->selectedItems().size(), 1);
    EXPECT_TRUE(panel->files->isEnabled() && panel->chooseSignature->isEnabled()) << "ticked: pictures can be chosen";
    EXPECT_EQ(panel->files->selectedItems().first()->text(), "pat.bmp");
    panel->files->setCurrentRow(panel->files->row(panel->files->findItems("lee.BMP", Qt::MatchExactly).first()));
    panel->save();
    EXPECT_EQ(stored("SELECT ElectronicSign || UseElectronic FROM Agents WHERE Password = '1'"), "lee.BMP1");

    panel->exitPanel();

    signInAs(0);
    ASSERT_TRUE(pressDmirs());
    chooseRow(1);
    EXPECT_EQ(panel->certification->text(), "D-2") << "the second Pat, not the first of the name";
    // A delete the store refuses is told, and the signatory stays listed.
    ASSERT_TRUE(data.reference()
                    .exec("CREATE TRIGGER full BEFORE DELETE ON Agents BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                    .ok());
    panel->deleteSignatory();
    messages.expectAsked("Database", {"The signatory was not deleted: "});
    EXPECT_EQ(std::pair(access.count(), panel->combo6->count()), std::pair(2, 2)) << "both lists keep it";
    ASSERT_TRUE(data.reference().exec("DROP TRIGGER full").ok());
    panel->deleteSignatory();
    EXPECT_EQ(stored("SELECT group_concat(ApprovalNumber) FROM Agents"), "D-1");
    ASSERT_EQ(std::pair(access.count(), panel->combo6->count()), std::pair(1, 1));
    EXPECT_EQ(access.itemData(0).value<AgentEntry>().approvalNumber, "D-1");
    EXPECT_FALSE(panel->deleteButton->isEnabled());
}

// A signatory who changes only their password keeps their signature: the
// stored settings are written back unless the user changed them here.
TEST_F(SignatoriesPanelTest, EditingASignatoryKeepsTheSignatureUnlessChanged)
{
    ASSERT_NO_FATAL_FAILURE(
        openAsFirst({agent("Pat", "p1", "D-1", false, {{"UseElectronic", true}, {"ElectronicSign", "pat.bmp"}})}));
    panel->newPassword->setText("p2-long-enough");
    panel->save();
    EXPECT_EQ(stored("SELECT ElectronicSign || ' ' || UseElectronic FROM Agents"), QString("pat.bmp 1"));

    // Changed on purpose: ticked off, it is stored off.
    panel->useElectronic->setEnabled(true);
    panel->useElectronic->setChecked(true);
    panel->choose(0);
    panel->useElectronic->setChecked(false);
    panel->save();
    EXPECT_EQ(stored("SELECT ElectronicSign || ' ' || UseElectronic FROM Agents"), QString("pat.bmp 0"));
}

// "Choose..." copies a bitmap in under a safe name, beside any of that name,
// and shows it as it prints.
TEST_F(SignatoriesPanelTest, ChooseCopiesABitmapInUnderANameOfItsOwn)
{
    ASSERT_NO_FATAL_FAILURE(openAsFirst({agent("Pat", "1", "D-1", true)}));
    panel->choose(0);
    panel->useElectronic->setChecked(true);
    QImage ink(60, 20, QImage::Format_RGB32);
    ink.fill(Qt::blue);
    QDir().mkpath(folder() + "elsewhere");
    const QString chosen = folder() + "elsewhere/Pat's sig.BMP";
    ASSERT_TRUE(ink.save(chosen, "BMP"));
    writeFile(folder() + "Pat_s_sig.bmp", "another's");
    panel->signatures->setFileChooser([&] { return chosen; });
    panel->chooseSignature->click();
    EXPECT_EQ(readFile(folder() + "Pat_s_sig.bmp"), "another's") << "never replaced";
    EXPECT_EQ(readFile(folder() + "Pat_s_sig-2.bmp"), readFile(chosen));
    ASSERT_EQ(panel->files->selectedItems().size(), 1);
    EXPECT_EQ(panel->files->selectedItems().first()->text(), "Pat_s_sig-2.bmp");
    const QImage shown = panel->signaturePreview->pixmap().toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::white)) << "paper beside the signature";

    writeFile(folder() + "notes.txt", "not a picture");
    panel->signatures->setFileChooser([&] { return folder() + "notes.txt"; });
    panel->chooseSignature->click();
    messages.expectAsked("DMIRs", {"notes.txt is not a picture"});
}

// Reproduction: the signed-in signatory's "Use Electronic Signature" and
// "Choose..." were greyed, and a PNG was kept as "NAME.png.bmp".
TEST_F(SignatoriesPanelTest, ASignatoryChoosesHisOwnPictureKeptInItsOwnFormat)
{
    openPanel({agent("Pat", "p1", "D-1"), agent("Boss", "b1", "D-2", true)});
    signInAs(0);
    ASSERT_TRUE(pressDmirs());
    ASSERT_TRUE(panel->useElectronic->isEnabled());
    EXPECT_FALSE(panel->chooseSignature->isEnabled()) << "until ticked";
    panel->useElectronic->setChecked(true);
    ASSERT_TRUE(panel->chooseSignature->isEnabled());

    QImage ink(60, 20, QImage::Format_RGB32);
    ink.fill(Qt::blue);
    QDir().mkpath(folder() + "elsewhere");
    const QString chosen = folder() + "elsewhere/Pat sig.png";
    ASSERT_TRUE(ink.save(chosen, "PNG"));
    panel->signatures->setFileChooser([&] { return chosen; });
    panel->chooseSignature->click();
    messages.expectNothingAsked();
    EXPECT_EQ(readFile(folder() + "Pat_sig.png"), readFile(chosen)) << "stored as it came";
    EXPECT_FALSE(QFile::exists(folder() + "Pat_sig.png.bmp"));
    ASSERT_EQ(panel->files->selectedItems().size(), 1);
    EXPECT_EQ(panel->files->selectedItems().first()->text(), "Pat_sig.png");
    EXPECT_FALSE(panel->signaturePreview->pixmap().toImage().isNull()) << "previewed";
    panel->save();
    EXPECT_EQ(stored("SELECT ElectronicSign || ' ' || UseElectronic FROM Agents WHERE Name = 'Pat'"),
              QString("Pat_sig.png 1"));
}
