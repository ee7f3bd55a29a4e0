// What the check before printing lets through on a page issued with a
// signature, on a draft, and what the screen says of a superseded certificate.

#include "IssuingWindow.h"

#include "DateText.h"
#include "IssuePrompts.h"
#include "PrintPrompts.h"
#include "RecordingCanvas.h"
#include "StatusLine.h"

#include <QLabel>

using arc::Message;
using Answer = arc::Message::Answer;
namespace IssuePrompts = arc::IssuePrompts;

class CheckBeforeIssueTest : public IssuingWindowTest {
protected:
    // A repair released by the signatory in block 14 under "Other
    // regulation" too, without the statement block 12 should then hold.
    void dualReleaseWithoutItsStatement()
    {
        fuelPumpLine("REPAIRED");
        screen().block14cNumber->setText("V7RR123K");
        ASSERT_EQ(screen().block14dName->text(), kSignatory);
        screen().block14aOtherRegulation->setChecked(true);
        screen().block12Remarks->setPlainText("");
    }
    static inline const QString kNoStatement =
        "Block 12: \"Other regulation specified in Block 12\" is ticked but block 12 is empty.";
    // The check refused the page: its box, with only the way back.
    void expectRefused(const QString &finding, std::source_location at = std::source_location::current())
    {
        const testing::ScopedTrace trace(at.file_name(), int(at.line()), "refused here");
        ASSERT_FALSE(messages.shown.isEmpty());
        const Message refusal = messages.shown.takeLast();
        EXPECT_EQ(refusal.title, "Certificate check");
        EXPECT_EQ(refusal.buttons, Message::Buttons::Back);
        EXPECT_TRUE(refusal.prompt.startsWith(finding + "\n")) << refusal.prompt.toStdString();
        EXPECT_FALSE(refusal.prompt.contains("Print anyway?"));
        EXPECT_EQ(logged(), 0);
        EXPECT_FALSE(QFile::exists(pdfPath));
        EXPECT_FALSE(QDir(dataFolder() + "Issued").exists() && !QDir(dataFolder() + "Issued").isEmpty(QDir::Files));
    }
};

// "Other regulation" ticked with block 12 empty: before, "Print anyway?"
// issued a dual release without its statement, and the refusal came after
// the certificate was saved.
TEST_F(CheckBeforeIssueTest, ADualReleaseWithoutItsStatementIsNotIssuedWhateverTheAnswer)
{
    dualReleaseWithoutItsStatement();
    messages.answers = {Answer::Yes, Answer::Yes, Answer::Yes}; // save, and print anyway were it asked
    pdf();
    ASSERT_EQ(messages.shown.size(), 1) << testing::PrintToString(messages.shown);
    expectRefused(kNoStatement);
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 0) << "checked before it is saved";

    messages.answers = {Answer::Yes};
    ok("1");
    expectRefused(kNoStatement);
    EXPECT_EQ(jobs, 0);
}

// Issue for serial numbers checks the certificate before it stores a copy.
TEST_F(CheckBeforeIssueTest, ARunOfSerialNumbersIsRefusedBeforeAnyCopyIsStored)
{
    dualReleaseWithoutItsStatement();
    issueRun(2, Answer::Yes);
    expectRefused(kNoStatement);
    EXPECT_TRUE(offered.isNull()) << "refused before the run is chosen";
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 0);
}

// What the user printed anyway is logged with the page.
TEST_F(CheckBeforeIssueTest, AdvisoryFindingsPrintedAnywayAreLoggedWithTheIssue)
{
    screen().block4Organization->setPlainText("");
    screen().saveButton->click();
    messages.answers = {Answer::Yes};
    pdf();
    ASSERT_EQ(logged(), 1);
    EXPECT_EQ(stored("SELECT Findings FROM IssueLog").toString(),
              "Block 4: the organisation's name and address are missing.");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].buttons, Message::Buttons::YesNo);
}

// The tick is kept with the data source; while it is set, a signatory
// without a signing certificate issues nothing.
TEST_F(CheckBeforeIssueTest, TheSetUpMayRequireADigitalSignatureOnEveryPdf)
{
    storedExec("UPDATE Defaults SET RequireSignature = 1");
    screen().saveButton->click();
    pdf();
    expectRefused("Block 13b: Pat Doe holds no signing certificate, and the set-up asks for a digital signature on "
                  "every PDF.");
    messages.shown.clear();

    screen().setupButton->click();
    EXPECT_TRUE(window->setupPanel().requireSignature->isChecked());
    window->setupPanel().requireSignature->setChecked(false);
    screen().setupButton->click();
    EXPECT_EQ(stored("SELECT RequireSignature FROM Defaults").toInt(), 0);
    pdf();
    EXPECT_EQ(logged(), 1);
    messages.expectNothingAsked();
}

// Before, a corrected certificate showed only "Issued DATE".
TEST_F(CheckBeforeIssueTest, OnlyAnIssuedCorrectionSupersedesTheCertificateOnScreen)
{
    screen().saveButton->click();
    pdf();
    ASSERT_EQ(logged(), 1);
    QFile::remove(pdfPath);
    const qint64 original = window->currentFormIndex();
    screen().block5Invoice->setPlainText("WO-9");
    messages.answers = {Answer::Yes};
    screen().saveButton->click();
    const qint64 correction = window->currentFormIndex();
    ASSERT_NE(correction, original);
    const QString tracking = screen().block3Tracking->text().trimmed();
    messages.shown.clear();

    window->showCertificate(original);
    EXPECT_EQ(shown("SupersededMark"), "") << "stored, not issued";
    EXPECT_EQ(shown("StatusSuperseded"), "");

    window->showCertificate(correction);
    pdf();
    ASSERT_EQ(logged(), 2);
    EXPECT_EQ(shown("SupersededMark"), "");
    window->showCertificate(original);
    const QString mark = IssuePrompts::supersededMark(tracking, QDate::currentDate());
    EXPECT_EQ(mark, QString("Superseded by %1 of %2").arg(tracking, arc::DateText::format(QDate::currentDate())));
    EXPECT_EQ(shown("SupersededMark"), mark);
    EXPECT_EQ(shown("IssuedMark"), IssuePrompts::issuedMark(QDate::currentDate()));
    EXPECT_EQ(shown("StatusSuperseded"), mark);
    EXPECT_TRUE(label("StatusSuperseded")->styleSheet().contains("#c00000"));
    messages.expectNothingAsked();
}
