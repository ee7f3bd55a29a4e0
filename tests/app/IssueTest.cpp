// A signed page printed or written to PDF is issued: saved first, kept in
// Issued/ and logged; an issued certificate is never changed in place nor
// deleted, and one changed behind the program's back is not printed.

#include "WindowFixture.h"

#include "CertificateOnScreen.h"
#include "IssueVerifier.h"
#include "PrintCommand.h"
#include "PrintPanel.h"
#include "RecordingCanvas.h"

#include <QImage>
#include <QLabel>

using arc::Message;
using Answer = arc::Message::Answer;

class IssueTest : public DataWindowTest {
protected:
    void SetUp() override
    {
        DataWindowTest::SetUp();
        QImage ink(40, 20, QImage::Format_RGB32);
        ink.fill(Qt::blue);
        ASSERT_TRUE(ink.save(dataFolder() + "pat.bmp"));
        addRow("Agents", {{"Name", "Pat Doe"}, {"Password", "Secret1"}, {"ApprovalNumber", "DMIR-7"},
                          {"ElectronicSign", "pat.bmp"}, {"UseElectronic", 1}});
        storedExec("UPDATE Defaults SET Tracking = '000100', IncreaseTrack = 1");
        openWindow(false);
        signIn();
        ASSERT_FALSE(window->signIn().signature().isNull());

        arc::PrintCommand &print = window->printCommand();
        print.setFileChooser([this] { return pdfPath; });
        print.setPrinterCheck([] { return true; });
        print.setJobCanvas([this] {
            ++jobs;
            return std::make_unique<Counted>(signedJobs);
        });
        screen().text1->setPlainText("Acme Aero\n1 Main St");
        window->setItemLine(0, {"1", "Fuel pump", "PN-7", "1", "SN-1", "NEW", {}});
        window->checkstat();
        ASSERT_EQ(screen().text17->text(), "Pat Doe");
        tracking = screen().text3->text();
    }

    void signIn()
    {
        window->accessPanel().show();
        window->accessPanel().combo4->setCurrentIndex(0);
        window->accessPanel().text44->setText("Secret1");
        window->signIn().AgentSecurity();
    }
    // A copy's canvas that counts the copies printed with a signature.
    struct Counted : arc::RecordingCanvas {
        explicit Counted(int &signedJobs) : signedJobs(signedJobs) {}
        ~Counted() override { signedJobs += !ofKind(Op::Kind::Picture).isEmpty(); }
        int &signedJobs;
    };
    void pdf()
    {
        window->printCommand().open();
        window->printCommand().panel().pdfButton->click();
    }
    void ok(const QString &copies)
    {
        window->printCommand().open();
        window->printCommand().panel().text45->setText(copies);
        window->printCommand().panel().okButton->click();
    }
    // Saved, then issued as a PDF without a question.
    void issue()
    {
        screen().saveButton->click();
        ASSERT_EQ(window->newFormFlag(), 0);
        pdf();
        ASSERT_EQ(logged(), 1) << messages.shown.value(0).prompt.toStdString();
        messages.shown.clear();
    }
    int logged() { return stored("SELECT count(*) FROM IssueLog").toInt(); }
    QStringList archived() { return QDir(dataFolder() + "Issued").entryList(QDir::Files, QDir::Name); }
    QLabel *mark() { return window->findChild<QLabel *>("IssuedMark"); }
    QString markShown() { return mark()->isVisibleTo(window.get()) ? mark()->text() : QString(); }

    QString pdfPath = folder() + "certificate.pdf";
    QString tracking;
    int jobs = 0;
    int signedJobs = 0;
};

// A new certificate is saved before it is issued; the PDF the user gets
// is byte for byte the page kept, and verifies.
TEST_F(IssueTest, ASignedPdfIsSavedKeptLoggedAndVerifies)
{
    messages.answers = {Answer::No};
    pdf();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], (Message{"The certificate must be saved before it is issued. Save it now?",
                                          "Issue certificate", Message::Buttons::YesNo, Message::Icon::Question,
                                          Answer::Yes}));
    EXPECT_FALSE(QFile::exists(pdfPath)) << "No: nothing written";
    EXPECT_EQ(window->newFormFlag(), 1);
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 0);

    messages.answers = {Answer::Yes};
    pdf();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(window->newFormFlag(), 0) << "saved";
    ASSERT_EQ(archived().size(), 1);
    const qint64 key = window->currentFormIndex();
    EXPECT_TRUE(archived()[0].startsWith(QString("%1_%2_").arg(tracking).arg(key))) << archived()[0].toStdString();
    EXPECT_EQ(readFile(dataFolder() + "Issued/" + archived()[0]), readFile(pdfPath));
    EXPECT_EQ(stored("SELECT Signatory || '|' || Copies || '|' || Tracking || '|' || FormIndex FROM IssueLog")
                  .toString(),
              QString("Pat Doe|1|%1|%2").arg(tracking).arg(key));
    EXPECT_EQ(markShown(), "Issued " + today());

    const arc::IssueVerifier::Result verified = arc::IssueVerifier::verify(pdfPath, dataFolder());
    EXPECT_EQ(verified.outcome, arc::IssueVerifier::Result::Outcome::Issued);
    EXPECT_EQ(verified.record.formIndex, key);
}

// A certificate another tool wrote leaves its empty boxes null where the
// program stores a blank: shown unchanged, it is issued without a save and
// saving it again asks for no correction.
TEST_F(IssueTest, ACertificateWithNullBlanksIsIssuedAsStored)
{
    const qint64 key = addRow("Header", {{"Country", "FAA/United States"}, {"Tracking", "000040"},
                                         {"Organ1", "Acme Aero\r\n1 Main St"}, {"New", 1}, {"Overhaul", 0},
                                         {"CFRRTS", 0}, {"OtherRTS", 0}, {"Name17", "Pat Doe"},
                                         {"AuthNum", "DMIR-7"}, {"Date18", QDate(2026, 12, 5)}});
    addRow("Detail", {{"FormIndex", key}, {"Item", "1"}, {"Description", "Fuel pump"}, {"PartNum", "PN-7"},
                      {"Quantity", "1"}, {"SerialNum", "SN-1"}, {"Status", "NEW"}});
    ASSERT_TRUE(window->dataFolder().header().refresh().ok());
    messages.answers = {Answer::Discard}; // the certificate the fixture entered
    screen().previousButton->click();
    ASSERT_EQ(window->currentFormIndex(), key);
    messages.shown.clear();
    pdf();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();
    EXPECT_EQ(logged(), 1);

    screen().saveButton->click();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 1) << "no correction";
}

// Copies printed on paper are issued once, with their number; each
// reprint is logged again with its own page.
TEST_F(IssueTest, PrintingIssuesAndEachReprintIsLogged)
{
    screen().saveButton->click();
    EXPECT_EQ(markShown(), "");
    ok("2");
    EXPECT_EQ(jobs, 2);
    EXPECT_TRUE(messages.shown.isEmpty()) << "stored already: no question";
    EXPECT_EQ(stored("SELECT Copies FROM IssueLog").toInt(), 2);
    ok("1");
    EXPECT_EQ(jobs, 3);
    EXPECT_EQ(logged(), 2);
    EXPECT_EQ(archived().size(), 2);
    // A page that cannot be kept is not printed.
    QDir(dataFolder() + "Issued").removeRecursively();
    writeFile(dataFolder() + "Issued", "in the way");
    ok("1");
    EXPECT_EQ(jobs, 3);
    EXPECT_EQ(logged(), 2);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].prompt.startsWith("The certificate was not issued"))
        << messages.shown[0].prompt.toStdString();
    pdf();
    EXPECT_FALSE(QFile::exists(pdfPath)) << "a signed page the log does not know of is taken back";
    EXPECT_EQ(messages.shown.size(), 2);
}

// Without the signature in the block that applies the page is a draft:
// no question, nothing kept, nothing logged.
TEST_F(IssueTest, AnUnsignedDraftIsNotIssued)
{
    screen().text17->setText("");
    messages.answers = {Answer::Yes, Answer::Yes}; // print anyway, the check finding no name in 13d
    pdf();
    EXPECT_TRUE(QFile::exists(pdfPath));
    ok("1");
    EXPECT_EQ(jobs, 1);
    for (const Message &m : messages.shown)
        EXPECT_EQ(m.title, "Certificate check") << m.prompt.toStdString();
    EXPECT_EQ(window->newFormFlag(), 1) << "not saved";
    EXPECT_EQ(logged(), 0);
    EXPECT_TRUE(archived().isEmpty());
}

// The signature goes only under its owner's own name, and only when he
// signs electronically; a page without it is a draft, printed unlogged.
struct OwnerCase {
    const char *name;
    const char *name17, *name22; // block 13 applies
    bool useElectronic;
    bool signedPage;
};
void PrintTo(const OwnerCase &c, std::ostream *os) { *os << c.name; }

class SignatureOwnerTest : public IssueTest, public testing::WithParamInterface<OwnerCase> {};

TEST_P(SignatureOwnerTest, SignsOnlyUnderItsOwnersName)
{
    const OwnerCase &c = GetParam();
    if (!c.useElectronic) {
        ASSERT_TRUE(window->dataFolder().reference().exec("UPDATE Agents SET UseElectronic = 0").ok());
        signIn();
    }
    screen().text17->setText(c.name17);
    screen().text7->setText(c.name22);
    messages.answers = {Answer::Yes, Answer::Yes}; // save first; print anyway
    ok("1");
    EXPECT_EQ(jobs, 1);
    EXPECT_EQ(signedJobs, int(c.signedPage));
    EXPECT_EQ(logged(), int(c.signedPage)) << "signed pages are issued, drafts are not";
}

INSTANTIATE_TEST_SUITE_P(
    Owners, SignatureOwnerTest,
    testing::Values(OwnerCase{"OwnName", "Pat Doe", "", true, true},
                    OwnerCase{"AnotherNameTyped", "Lee Roe", "", true, false},
                    OwnerCase{"AnotherNameInTheOtherBlock", "", "Lee Roe", true, false},
                    OwnerCase{"ElectronicSignatureNotUsed", "Pat Doe", "", false, false}),
    [](const testing::TestParamInfo<OwnerCase> &i) { return std::string(i.param.name); });

// A page signed in the block that does not apply is signed all the same:
// printed anyway past the missing name, it is issued; changed after issue,
// it is not printed.
TEST_F(IssueTest, ASignatureInTheOtherBlockIsIssuedToo)
{
    screen().text17->setText("");
    screen().text7->setText("Pat Doe");
    messages.answers = {Answer::Yes, Answer::Yes}; // save first; print anyway, no name in 13d
    pdf();
    EXPECT_EQ(logged(), 1);
    EXPECT_EQ(archived().size(), 1);
    ASSERT_TRUE(QFile::exists(pdfPath));
    EXPECT_EQ(readFile(pdfPath), readFile(dataFolder() + "Issued/" + archived().value(0)));

    storedExec("UPDATE Detail SET Quantity = '5'");
    window->certificate().ShowForm();
    messages.answers = {Answer::Yes};
    ok("1");
    EXPECT_EQ(jobs, 0);
    EXPECT_TRUE(messages.shown.last().prompt.startsWith("Changed after issue")) << messages.shown.last().prompt.toStdString();
    EXPECT_EQ(logged(), 1);
}

// The log vouches only for what was drawn: a save at another station while
// the file dialog is open refuses the issue, and the screen shows what is
// stored now.
TEST_F(IssueTest, AChangeWhileThePageIsMadeRefusesTheIssue)
{
    screen().saveButton->click();
    window->printCommand().setFileChooser([this] {
        storedExec("UPDATE Header SET Remarks = 'Changed at another station.'");
        return pdfPath;
    });
    pdf();
    EXPECT_EQ(logged(), 0);
    EXPECT_TRUE(archived().isEmpty());
    EXPECT_FALSE(QFile::exists(pdfPath));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].prompt,
              "The stored certificate was changed, at this or another station, while its page was being made. It was "
              "not issued and nothing was printed: look at it again, then print it again.");
    EXPECT_EQ(screen().text13->toPlainText(), "Changed at another station.");
}

// Save on an issued certificate never stores over it: with the user's
// consent the changes become a new certificate with the next number and
// the correction statement; an unchanged one stores nothing.
TEST_F(IssueTest, ChangesToAnIssuedCertificateBecomeACorrection)
{
    issue();
    const qint64 issuedKey = window->currentFormIndex();
    const QString issuedRow = stored("SELECT Tracking || Remarks || Invoice FROM Header").toString();
    screen().saveButton->click();
    EXPECT_TRUE(messages.shown.isEmpty()) << "nothing changed, nothing asked";

    window->setItemLine(0, {"1", "Fuel pump", "PN-7", "1", "SN-2", "NEW", {}});
    screen().text5->setPlainText("WO-9");
    screen().saveButton->click(); // No, the default
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0],
              (Message{"This certificate was issued on " + today() +
                           ". Store the changes as a new certificate with the next tracking number?",
                       "Save form on screen", Message::Buttons::YesNo, Message::Icon::Question, Answer::No}));
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 1);
    EXPECT_EQ(stored("SELECT SerialNum FROM Detail").toString(), "SN-1");

    messages.answers = {Answer::Yes};
    const QString remarks = screen().text13->toPlainText();
    screen().saveButton->click();
    EXPECT_EQ(messages.shown.size(), 2) << "no further message";
    const QString next = QString("%1").arg(tracking.toInt() + 1, 6, 10, QLatin1Char('0'));
    EXPECT_EQ(screen().text3->text(), next);
    const QString statement = QString("This FAA Form 8130-3 corrects the error(s) in Block(s) 5, 10 of FAA Form "
                                      "8130-3 %1 dated %2.")
                                  .arg(tracking, today());
    ASSERT_EQ(remarks, "") << "a new part that is not exported carries no remarks of its own";
    EXPECT_EQ(screen().text13->toPlainText(), statement);
    EXPECT_NE(window->currentFormIndex(), issuedKey);
    EXPECT_EQ(window->newFormFlag(), 0);
    EXPECT_EQ(markShown(), "") << "the correction is not issued yet";
    EXPECT_EQ(stored("SELECT Tracking FROM Defaults").toString(), next);
    EXPECT_EQ(stored(QString("SELECT Tracking || Remarks || Invoice FROM Header WHERE FormIndex = %1").arg(issuedKey))
                  .toString(),
              issuedRow);
    EXPECT_EQ(stored(QString("SELECT SerialNum FROM Detail WHERE FormIndex = %1").arg(issuedKey)).toString(), "SN-1");
    EXPECT_EQ(stored(QString("SELECT SerialNum FROM Detail WHERE FormIndex = %1").arg(window->currentFormIndex()))
                  .toString(),
              "SN-2");
}

TEST_F(IssueTest, AnIssuedCertificateCannotBeDeleted)
{
    issue();
    screen().deleteButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0],
              (Message{"This certificate was issued on " + today() +
                           " and is kept with the records; it cannot be deleted.",
                       "Delete form on screen", Message::Buttons::Ok, Message::Icon::Exclamation, Answer::Ok}));
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 1);
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 1);
}

// A stored certificate changed with SQL after it was issued shows so in
// red and is not printed, on paper or as PDF.
TEST_F(IssueTest, AChangeBehindTheProgramsBackShowsAndBlocksPrinting)
{
    issue();
    QFile::remove(pdfPath);
    storedExec("UPDATE Detail SET Quantity = '5'");
    window->certificate().ShowForm();
    EXPECT_EQ(markShown(), "Changed after issue " + today());
    EXPECT_TRUE(mark()->styleSheet().contains("#c00000"));

    ok("1");
    EXPECT_EQ(jobs, 0);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].prompt, "Changed after issue " + today() +
                                            ": the stored certificate is no longer the one issued, so it is not "
                                            "printed.");
    pdf();
    EXPECT_FALSE(QFile::exists(pdfPath));
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(logged(), 1);
    // Without the signature it is a draft, printed as any draft.
    screen().text17->setText("");
    messages.answers = {Answer::Yes}; // print anyway, the check finding no name in 13d
    ok("1");
    EXPECT_EQ(jobs, 1);
    EXPECT_EQ(logged(), 1);
    screen().text17->setText("Pat Doe");

    // Found at printing even when the screen still shows it as issued.
    storedExec("UPDATE Detail SET Quantity = '1'");
    window->certificate().ShowForm();
    EXPECT_EQ(markShown(), "Issued " + today());
    storedExec("UPDATE Header SET Remarks = 'altered'");
    ok("1");
    EXPECT_EQ(jobs, 1) << "only the draft before";
    EXPECT_EQ(markShown(), "Changed after issue " + today());
}
