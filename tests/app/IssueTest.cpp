// What the window asks, refuses and shows when a signed page is issued (how
// pages are kept, logged, verified and corrected is the issuing tests').

#include "IssuingWindow.h"

#include "BatchDialog.h"
#include "BatchIssue.h"
#include "CertificateOnScreen.h"
#include "IssuePrompts.h"
#include "AnotherAccount.h"
#include "IssuedPage.h"
#include "IssueRuns.h"
#include "FolderKeys.h"
#include "EmbeddedDataCheck.h"
#include "PainterCanvas.h"
#include "PrintCommand.h"
#include "PrintPanel.h"
#include "ProgramRun.h"
#include "QrScan.h"
#include "RecordingCanvas.h"
#include "SignatureReport.h"
#include "SigningFixture.h"
#include "StatusLine.h"
#include "VerificationCode.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

using arc::Message;
using Answer = arc::Message::Answer;
namespace IssuePrompts = arc::IssuePrompts;

class IssueTest : public IssuingWindowTest {
protected:
    struct Counted : arc::RecordingCanvas {
        explicit Counted(int &signedJobs) : signedJobs(signedJobs) {}
        ~Counted() override { signedJobs += !ofKind(Op::Kind::Picture).isEmpty(); }
        int &signedJobs;
    };
    std::unique_ptr<arc::RecordingCanvas> jobCanvas() override { return std::make_unique<Counted>(signedJobs); }
    void issue()
    {
        screen().saveButton->click();
        pdf();
        ASSERT_EQ(logged(), 1) << messages.shown.value(0).prompt.toStdString();
        messages.expectNothingAsked();
    }
    QStringList archived() { return QDir(dataFolder() + "Issued").entryList(QDir::Files, QDir::Name); }

    int signedJobs = 0;
};

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
    EXPECT_EQ(logged(), 1);
    screen().saveButton->click();
    messages.expectNothingAsked();
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 1) << "no correction";
}

TEST_F(IssueTest, PrintingIssuesAndEachReprintIsLogged)
{
    screen().saveButton->click();
    EXPECT_EQ(shown("IssuedMark"), "");
    ok("2");
    EXPECT_EQ(jobs, 2);
    messages.expectNothingAsked(); // stored already: no question
    EXPECT_EQ(stored("SELECT Copies FROM IssueLog").toInt(), 2);
    ok("1");
    EXPECT_EQ(jobs, 3);
    EXPECT_EQ(logged(), 2);
}

// A page without the signature (another name typed, or a signatory who
// does not sign electronically) is a draft: printed, never saved, kept or logged.
TEST_F(IssueTest, ADraftIsPrintedButNeitherSavedNorIssued)
{
    screen().block13dName->setText("Lee Roe");
    ok("1");
    ASSERT_TRUE(window->dataFolder().reference().exec("UPDATE Agents SET UseElectronic = 0").ok());
    signInAs(*window, kSignatory, kPassword);
    screen().block13dName->setText(kSignatory);
    ok("1");
    messages.expectNothingAsked();
    EXPECT_EQ(jobs, 2);
    EXPECT_EQ(signedJobs, 0);
    EXPECT_EQ(logged(), 0);
    EXPECT_TRUE(archived().isEmpty());
    EXPECT_EQ(window->newFormFlag(), 1) << "only an issue saves";
}

// An issued certificate is never deleted nor stored over: with consent the
// changes become a new certificate with the correction statement.
TEST_F(IssueTest, ChangesToAnIssuedCertificateBecomeACorrection)
{
    issue();
    const qint64 issuedKey = window->currentFormIndex();
    screen().deleteButton->click();
    messages.expectAsked(IssuePrompts::deleteRefused(QDate::currentDate()));
    screen().saveButton->click();
    messages.expectNothingAsked(); // nothing changed, nothing asked

    screen().block5Invoice->setPlainText("WO-9");
    screen().saveButton->click(); // No, the default
    messages.expectAsked(IssuePrompts::storeAsCorrection(QDate::currentDate()));
    EXPECT_EQ(stored("SELECT count(*) || Invoice FROM Header").toString(), "1 ");

    messages.answers = {Answer::Yes};
    screen().saveButton->click();
    messages.expectAsked(IssuePrompts::storeAsCorrection(QDate::currentDate()));
    EXPECT_TRUE(screen().block12Remarks->toPlainText().startsWith("This FAA Form 8130-3 corrects the error(s) in Block(s) 5 "))
        << screen().block12Remarks->toPlainText().toStdString();
    EXPECT_NE(window->currentFormIndex(), issuedKey);
    EXPECT_EQ(window->newFormFlag(), 0);
    EXPECT_EQ(shown("IssuedMark"), "") << "the correction is not issued yet";
    EXPECT_EQ(stored(QString("SELECT Invoice FROM Header WHERE FormIndex = %1").arg(issuedKey)).toString(), " ");
}

// Changed with SQL after issue: shown in red and not printed, on paper or as
// PDF, also when the screen still shows it as issued.
TEST_F(IssueTest, AChangeBehindTheProgramsBackShowsAndBlocksPrinting)
{
    issue();
    QFile::remove(pdfPath);
    storedExec("UPDATE Detail SET Quantity = '5'");
    window->certificate().ShowForm();
    EXPECT_EQ(shown("IssuedMark"), IssuePrompts::changedMark(QDate::currentDate()));
    EXPECT_TRUE(label("IssuedMark")->styleSheet().contains("#c00000"));

    ok("1");
    pdf();
    messages.expectAsked({IssuePrompts::printRefused(QDate::currentDate()), IssuePrompts::printRefused(QDate::currentDate())});
    EXPECT_EQ(jobs, 0);
    EXPECT_FALSE(QFile::exists(pdfPath));
    // Without the signature it is a draft, printed as any draft.
    screen().block13dName->setText("");
    messages.answers = {Answer::Yes}; // print anyway, the check finding no name in 13d
    ok("1");
    EXPECT_EQ(jobs, 1);
    messages.shown.clear();
    screen().block13dName->setText("Pat Doe");

    storedExec("UPDATE Detail SET Quantity = '1'");
    window->certificate().ShowForm();
    EXPECT_EQ(shown("IssuedMark"), IssuePrompts::issuedMark(QDate::currentDate()));
    storedExec("UPDATE Header SET Remarks = 'altered'");
    ok("1");
    EXPECT_EQ(jobs, 1) << "only the draft before";
    EXPECT_EQ(shown("IssuedMark"), IssuePrompts::changedMark(QDate::currentDate()));
    EXPECT_EQ(logged(), 1);
}

// Each copy is written as its own file, named by its tracking number and
// byte for byte as the archive keeps it; the pages together as well, in a
// file named as no signed document.
TEST_F(IssueTest, IssueForSerialNumbersStoresTheCopiesAndWritesEachIssuedPageToItsOwnPdf)
{
    const QString run = issueRun(3);
    EXPECT_EQ(offered, "SN-1");
    EXPECT_EQ(messages.shown.value(0).buttons, Message::Buttons::WritePdfPrintClose);
    messages.expectAsked("Issue for serial numbers", {"3 certificates stored, 000102 to 000104, serial numbers SN-8 to SN-10.",
                                                      "not digitally signed: Pat Doe holds no signing key."});
    EXPECT_EQ(logged(), 3);
    const QStringList kept = archived();
    ASSERT_EQ(kept.size(), 3);
    EXPECT_EQ(QDir(run).entryList(QDir::Files, QDir::Name),
              (QStringList{"000102-000104-unsigned-overview.pdf", "000102.pdf", "000103.pdf", "000104.pdf"}));
    QStringList own;
    for (const char *tracking : {"000102", "000103", "000104"})
        own << QString(readFile(run + tracking + ".pdf").toBase64());
    for (const QString &page : kept)
        EXPECT_TRUE(own.contains(QString(readFile(dataFolder() + "Issued/" + page).toBase64()))) << page.toStdString();
    const QByteArray written = readFile(run + "000102-000104-unsigned-overview.pdf");
    EXPECT_EQ(written.count("/Type /Page\n") + written.count("/Type /Page "), 3) << "one page each";
    EXPECT_EQ(window->newFormFlag(), 1) << "the screen keeps the certificate it shows";
    EXPECT_EQ(window->statusLine().message->text(), "3 PDFs written to " + QDir::toNativeSeparators(run));

    // Stopped while the pages are made: none of the new run issued, no file.
    const QString stoppedPdf = folder() + "stopped/";
    ASSERT_TRUE(QDir().mkpath(stoppedPdf));
    window->findChild<arc::BatchIssue *>()->setFileChooser([this, stoppedPdf] {
        QTimer::singleShot(0, window.get(), [this] {
            for (QProgressDialog *d : window->findChildren<QProgressDialog *>("ProgressWindow"))
                d->cancel();
        });
        return stoppedPdf;
    });
    messages.answers = {Answer::WritePdf};
    screen().batchButton->click();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1].prompt, "Stopped: no page was issued, nothing was written or printed.");
    messages.shown.clear();
    EXPECT_EQ(logged(), 3);
    EXPECT_EQ(archived().size(), 3);
    EXPECT_TRUE(QDir(stoppedPdf).isEmpty());

    // Only a certificate of one item line is copied so.
    window->setItemLine(1, {"2", "Seal", "PN-8", "1", "SN-2", "NEW", {}});
    screen().batchButton->click();
    messages.expectAsked("Issue for serial numbers", {"one item line"});
}

// The first serial number is taken whole or refused in words, never cut
// short to fit its box.
TEST_F(IssueTest, TheFirstSerialNumberIsNeverCutShort)
{
    const QString longSerial = QString(35, 'A') + "-0001";
    arc::BatchIssue &batch = *window->findChild<arc::BatchIssue *>();
    int asked = 0;
    batch.setChoiceRunner([&](const QString &) -> std::optional<arc::BatchIssue::Choice> {
        if (asked++ > 0)
            return std::nullopt;
        return arc::BatchIssue::Choice{longSerial, 2};
    });
    screen().batchButton->click();
    messages.expectAsked("Issue for serial numbers", {"is 40 characters long", "at most 30"});
    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), 0);

    arc::BatchDialog dialog(longSerial);
    EXPECT_EQ(dialog.first->text(), longSerial) << "shown whole, to be refused in words";
    dialog.first->clear();
    QSignalSpy refused(dialog.first, SIGNAL(refused(QString, int)));
    QGuiApplication::clipboard()->setText(longSerial);
    QTest::keySequence(dialog.first, QKeySequence::Paste);
    EXPECT_EQ(dialog.first->text(), "");
    EXPECT_EQ(refused.size(), 1);
}

// A run cut off part-way is named at the next opening; once its signatory
// has signed in, its rest is issued and the whole run written.
TEST_F(IssueTest, ARunCutOffIsNamedAtTheNextOpeningAndFinishedByItsSignatory)
{
    issueRun(3, Answer::Close);
    messages.shown.clear();
    window.reset();
    QString first;
    {
        // The first page issued, then the program stopped.
        arc::DataFolder data;
        ASSERT_TRUE(data.open(dataFolder()).ok());
        std::vector<qint64> keys;
        QSqlQuery q;
        ASSERT_TRUE(data.certificates().run(q, "SELECT FormIndex FROM Header ORDER BY FormIndex").ok());
        while (q.next())
            keys.push_back(q.value(0).toLongLong());
        ASSERT_EQ(keys.size(), 3u);
        first = data.certificates().scalar("SELECT Tracking FROM Header ORDER BY FormIndex").toString();
        const arc::IssueRuns::Begun run = arc::IssueRuns(data.certificates()).begin(keys, kSignatory);
        ASSERT_TRUE(run.status.ok());
        ASSERT_TRUE(recordIssue(data, issueRequest(keys[0], "%PDF-1.4 page")).ok());
    }

    messages.answers = {Answer::Yes};
    openWindow(false);
    messages.expectAsked("Issue for serial numbers", {QString("run of 3 from %1: 1 issued, 2 not").arg(first), kSignatory});
    const QString runFolder = folder() + "finished/";
    ASSERT_TRUE(QDir().mkpath(runFolder));
    window->findChild<arc::BatchIssue *>()->setFileChooser([runFolder] { return runFolder; });
    messages.answers = {Answer::WritePdf};
    signInAs(*window, kSignatory, kPassword);
    QCoreApplication::processEvents();
    messages.expectAsked("Issue for serial numbers", {"issues the 2 not issued, signed by you"});
    EXPECT_EQ(logged(), 3);
    const QStringList overview = QDir(runFolder).entryList({"*-unsigned-overview.pdf"}, QDir::Files);
    ASSERT_EQ(overview.size(), 1);
    const QByteArray written = readFile(runFolder + overview[0]);
    EXPECT_EQ(written.count("/Type /Page\n") + written.count("/Type /Page "), 3) << "the whole run";

    openWindow(false);
    messages.expectNothingAsked();
}

class SigningKeyIssueTest : public IssueTest {
protected:
    void fillBeforeOpening() override
    {
        IssueTest::fillBeforeOpening();
        const arc::StoredSigningKey key =
            arc::SigningKey::make(signing::authority(), {kSignatory, "DMIR-7"}, kPassword).value();
        ASSERT_TRUE(arc::FolderKeys(dataFolder()).putSigningKey(rowOf(kSignatory), key, nullptr));
    }
};

TEST_F(SigningKeyIssueTest, ASignatoryWithAKeyIssuesDigitallySignedPages)
{
    const auto expectSigned = [](const QString &path) {
        const arc::SignatureReport report = arc::SignatureReport::of(readFile(path));
        EXPECT_TRUE(report.isSigned && report.intact) << path.toStdString() << report.problem.toStdString();
        EXPECT_EQ(report.signer, kSignatory) << path.toStdString();
    };
    ASSERT_NE(window->signIn().signingKey(), nullptr);
    issue();
    expectSigned(pdfPath);

    issueRun(2);
    const QStringList pages = archived();
    ASSERT_EQ(pages.size(), 3) << messages.shown.value(0).prompt.toStdString();
    for (const QString &page : pages)
        expectSigned(dataFolder() + "Issued/" + page);
}

// A certificate of 200 lines and 200 lines of remarks is issued as one
// signed file of several pages, every remark on it: the signature covers the
// whole of it, and one byte changed on the third sheet is found.
TEST_F(SigningKeyIssueTest, AContinuedCertificateIsOneSignedFileOfEveryPage)
{
    arc::ItemSlots lines(200);
    for (int n = 0; n < 200; ++n)
        lines[std::size_t(n)] = {QString::number(n + 1), "Fuel pump", "PN-7", "1", QString("SN-%1").arg(n + 1), "NEW", {}};
    window->itemLines().setLines(lines);
    window->checkstat();
    QStringList remarks;
    for (int n = 1; n <= 200; ++n)
        remarks << QString("Remark %1").arg(n);
    screen().block12Remarks->setPlainText(remarks.join('\n'));
    issue();
    const QByteArray issued = readFile(pdfPath);
    ASSERT_EQ(archived().size(), 1) << "one issue";
    const arc::SignatureReport report = arc::SignatureReport::of(issued);
    EXPECT_TRUE(report.isSigned && report.intact && !report.addedAfterSigning) << report.problem.toStdString();
    const std::optional<QString> verdict = signing::pdfsig(issued);
    EXPECT_TRUE(!verdict || verdict->contains("Signature is Valid")) << verdict->toStdString();
    EXPECT_TRUE(!verdict || verdict->contains("Total document signed")) << verdict->toStdString();
    // Block 12 whole: once 20 of 30 lines were lost on a signed page.
    const QString text = ProgramRun::of("pdftotext", {pdfPath, "-"}).said;
    for (const QString &line : remarks)
        EXPECT_TRUE(text.contains(line + '\n')) << line.toStdString();
    const QString verify = QCoreApplication::applicationDirPath() + "/arc8130-verify";
    EXPECT_TRUE(ProgramRun::of(verify, {pdfPath, dataFolder()}).said.startsWith("Issued from this data folder, unaltered."));

    // The fourth page's drawing (the third sheet), one byte changed.
    const QList<QByteArray> pageObjects = [&] {
        QList<QByteArray> found;
        static const QRegularExpression page(R"(/Type\s*/Page\b[^s])");
        for (const auto &m : page.globalMatch(QString::fromLatin1(issued)))
            found << issued.mid(m.capturedStart(), 200);
        return found;
    }();
    ASSERT_GE(pageObjects.size(), 4);
    const QRegularExpressionMatch contents =
        QRegularExpression(R"(/Contents\s+(\d+)\s+0\s+R)").match(QString::fromLatin1(pageObjects[3]));
    ASSERT_TRUE(contents.hasMatch()) << pageObjects[3].toStdString();
    const qsizetype stream = issued.indexOf("stream", issued.indexOf("\n" + contents.captured(1).toLatin1() + " 0 obj"));
    ASSERT_GT(stream, 0);
    QByteArray changed = issued;
    changed[stream + 20] = char(changed[stream + 20] ^ 0x01);
    writeFile(folder() + "changed.pdf", changed);
    EXPECT_TRUE(ProgramRun::of(verify, {folder() + "changed.pdf", dataFolder()}).said.startsWith("Changed after signing."));
}

// A page issued without a digital signature says so on the status line,
// and why; sign-in said it already, without a message box.
TEST_F(IssueTest, APageIssuedUnsignedSaysSoAndWhy)
{
    const QLabel *told = window->statusLine().message;
    const struct {
        const char *name;
        bool reset; // the key went with a password reset
        QString why;
    } cases[] = {
        {"no key", false, "Pat Doe holds no signing key"},
        {"key removed by a reset", true, "the signing key of Pat Doe was removed when the password was reset"},
    };
    screen().saveButton->click();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.reset) {
            arc::FolderKeys keys(dataFolder());
            ASSERT_TRUE(keys.putSigningKey(rowOf(kSignatory), signing::madeKey(kPassword), nullptr));
            ASSERT_TRUE(keys.removeSigningKey(rowOf(kSignatory), nullptr));
        }
        QCoreApplication::processEvents(); // what was told before is done with
        signInAs(*window, kSignatory, kPassword);
        messages.expectNothingAsked();
        EXPECT_EQ(told->text(), "Certificates issued are not digitally signed: " + c.why + ".");
        QCoreApplication::processEvents();
        pdf();
        messages.expectNothingAsked();
        EXPECT_TRUE(told->text().startsWith(QStringLiteral("Certificate %1 issued, not digitally signed: %2; PDF written")
                                                .arg(screen().block3Tracking->text().trimmed(), c.why)))
            << told->text().toStdString();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(logged(), 2);
}

// A key that is there but cannot be opened is never taken for no key: sign-in
// tells why and how to mend it, and no page is issued, signed or not.
TEST_F(SigningKeyIssueTest, AKeyThatCannotBeOpenedStopsTheIssue)
{
    arc::FolderKeys keys(dataFolder());
    const QString keyFile = keys.fileOf(arc::KeyStore::signatoryEntry(rowOf(kSignatory)));
    const QByteArray good = readFile(keyFile);
    QString account;
    const struct {
        const char *name;
        std::function<void()> spoil;
        bool shut; // Keys/ owner-only for another account, as earlier versions left it
        QStringList said;
    } cases[] = {
        {"unreadable", [] {}, true, {"may not read " + keys.place(), "read access", "signs in again"}},
        {"damaged", [&] { writeFile(keyFile, "-----BEGIN CERTIFICATE-----\n"); }, false,
         {"damaged", "new signing certificate"}},
        {"of a kind that may not sign",
         [&] {
             ASSERT_TRUE(keys.putSigningKey(rowOf(kSignatory),
                                            signing::storedAsIs(signing::foreignPkcs12({.kind = "Ed25519", .name = kSignatory}, "p"),
                                                                "p", kPassword),
                                            nullptr));
         },
         false, {"Ed25519", "new signing certificate"}},
    };
    window->findChild<arc::BatchIssue *>()->setChoiceRunner([](const QString &) { return std::nullopt; });
    screen().saveButton->click();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        c.spoil();
        QCoreApplication::processEvents(); // what was told before is done with
        if (c.shut) {
            const AnotherAccount other(keys.place(), {folder(), dataFolder()});
            account = arc::FolderKeys::account();
            signInAs(*window, kSignatory, kPassword);
        } else {
            signInAs(*window, kSignatory, kPassword);
        }
        QStringList atSignIn = c.said;
        atSignIn << "The signing key of Pat Doe cannot be opened";
        if (c.shut)
            atSignIn << "the account " + account;
        messages.expectAsked("Signing key", atSignIn);
        EXPECT_EQ(window->statusLine().message->text(),
                  "No certificate can be issued: the signing key of Pat Doe cannot be opened.");
        EXPECT_EQ(window->signIn().signingKey(), nullptr);

        pdf();
        messages.expectAsked("Issue certificate", QStringList{"The certificate was not issued"} + c.said);
        screen().batchButton->click();
        messages.expectAsked("Issue certificate", QStringList{"The certificate was not issued"} + c.said);
        EXPECT_EQ(logged(), 0);
        EXPECT_TRUE(archived().isEmpty());
        EXPECT_FALSE(QFile::exists(pdfPath));
        writeFile(keyFile, good);
    }
}

// The signed page the window issues, on each authority's form, carries its
// data inside, sound, and a QR code that a scan of the PDF, as a printer
// renders it, reads as the set verification address of what was issued.
TEST_F(SigningKeyIssueTest, TheIssuedPageScansAsItsAddressAndCarriesItsData)
{
    if (QStandardPaths::findExecutable("zbarimg").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "zbarimg (zbar-tools) and pdftoppm (poppler-utils) are needed";
    storedExec("UPDATE Defaults SET VerifyBaseUrl = 'https://verify.acme.example/'");
    // Where the code lies in each layout, and that it scans there, is the printing tests'.
    const struct {
        const char *name, *form, *status, *country, *approval;
    } cases[] = {
        {"FAA", "FAA Form 8130-3", "NEW", "FAA/United States", ""},
        {"EASA", "EASA Form 1 (maintenance)", "REPAIRED", "EASA", "EASA.145.7777"},
        {"UK", "UK CAA Form 1 (production)", "NEW", "CAA/United Kingdom", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (&c != cases)
            screen().newButton->click();
        screen().block4Organization->setPlainText("Acme Aero\n1 Main St");
        choose(screen().formChoice, c.form);
        screen().block1Country->setText(c.country);
        fuelPumpLine(c.status);
        screen().block14cNumber->setText(c.approval);
        screen().saveButton->click();
        pdf();
        messages.expectNothingAsked();
        const QString sha =
            stored(QString("SELECT ContentSha256 FROM IssueLog WHERE FormIndex = %1").arg(window->currentFormIndex()))
                .toString();
        ASSERT_FALSE(sha.isEmpty()) << "issued";
        EXPECT_EQ(arc::EmbeddedDataCheck::of(readFile(pdfPath)).outcome, arc::EmbeddedDataCheck::Outcome::Sound);
        EXPECT_EQ(scannedPdf(pdfPath, folder() + "page.png"),
                  QString("https://verify.acme.example/c/%1?k=%2")
                      .arg(screen().block3Tracking->text().trimmed(), arc::VerificationCode::of(sha)));
    }
}


// The order of an issue: check, save, read back, draw, sign, archive, log,
// hand out. Whatever step fails, what it leaves behind: the certificate
// stored (its number no longer only taken), the page kept and logged, the
// user's file, byte for byte the page kept. Only paper comes out after the
// log. A change stored elsewhere while the file is chosen refuses the issue,
// and the screen then shows what is stored.
enum class Failing { Nothing, Check, Save, Stored, Changed, Archive, UserFile, Printer };
enum class Via { Pdf, Paper, Preview }; // Write PDF, OK, Print in the preview
struct StepRow {
    const char *name;
    Failing failing;
    const char *sql; // run before, to make the step fail
    Via via;
    bool stored, kept, userFile;
    const char *told; // the title of the one message, empty for none
};
const StepRow kSteps[] = {
    {"CheckRefused", Failing::Check, "", Via::Pdf, false, false, false, "Certificate check"},
    {"SaveRefused", Failing::Save, "", Via::Pdf, false, false, false, ""}, // only the question whether to save
    {"ReadBackIsNotTheScreen", Failing::Stored,
     "CREATE TRIGGER spoil AFTER INSERT ON Detail BEGIN UPDATE Detail SET Quantity = '9' WHERE rowid = NEW.rowid; END",
     Via::Pdf, true, false, false, "Issue certificate"},
    {"ChangedWhileTheFileIsChosen", Failing::Changed, "", Via::Pdf, true, false, false, "Issue certificate"},
    {"DrawFails", Failing::Stored, "UPDATE Defaults SET VerifyBaseUrl = 'verify.acme.example'", Via::Pdf, true, false,
     false, "Issue certificate"},
    {"SignFails", Failing::Stored, "UPDATE Defaults SET TsaUrl = 'http://127.0.0.1:9/'", Via::Pdf, true, false, false,
     "Issue certificate"},
    {"ArchiveFails", Failing::Archive, "", Via::Pdf, true, false, false, "Issue certificate"},
    {"LogFails", Failing::Stored,
     "CREATE TRIGGER spoil BEFORE INSERT ON IssueLog BEGIN SELECT RAISE(ABORT, 'refused'); END", Via::Pdf, true, false,
     false, "Issue certificate"},
    {"UserFileFails", Failing::UserFile, "", Via::Pdf, true, false, false, "PDF"},
    {"PrinterRefuses", Failing::Printer, "", Via::Paper, true, true, false, "Print"},
    {"PdfIssued", Failing::Nothing, "", Via::Pdf, true, true, true, ""},
    {"PaperIssued", Failing::Nothing, "", Via::Paper, true, true, false, ""},
    {"PreviewPrintedIssued", Failing::Nothing, "", Via::Preview, true, true, false, ""},
};

class IssueOrderTest : public SigningKeyIssueTest, public testing::WithParamInterface<StepRow> {
protected:
    QPrinter refused;
};

TEST_P(IssueOrderTest, WhatAFailureAtEachStepLeavesBehind)
{
    const StepRow &row = GetParam();
    const QString tracking = screen().block3Tracking->text().trimmed();
    // No stops at the check and at the save.
    messages.answers = {row.failing == Failing::Check || row.failing == Failing::Save ? Answer::No : Answer::Yes};
    if (*row.sql)
        storedExec(row.sql);
    if (row.failing == Failing::Check)
        screen().block4Organization->setPlainText(""); // an advisory finding
    if (row.failing == Failing::Changed)
        window->printCommand().setFileChooser([this] {
            storedExec("UPDATE Header SET Remarks = 'Changed at another station.'");
            return pdfPath;
        });
    if (row.failing == Failing::Archive)
        writeFile(dataFolder() + "Issued", "in the way");
    if (row.failing == Failing::UserFile)
        pdfPath = folder() + "missing/certificate.pdf";
    if (row.failing == Failing::Printer) {
        refused.setOutputFormat(QPrinter::PdfFormat);
        refused.setOutputFileName(folder() + "missing/job.pdf");
        window->printCommand().setJobCanvas([this] { return std::make_unique<arc::PainterCanvas>(refused); });
    }
    window->printCommand().setPreviewRunner([](QPrinter &, const auto &) { return true; });
    window->printCommand().open();
    if (row.via == Via::Paper)
        window->printCommand().panel().okButton->click();
    else
        (row.via == Via::Pdf ? window->printCommand().panel().pdfButton : window->printCommand().panel().previewButton)
            ->click();

    EXPECT_EQ(stored("SELECT count(*) FROM Header").toInt(), row.stored ? 1 : 0);
    EXPECT_EQ(stored(QString("SELECT count(*) FROM TakenNumbers WHERE trim(Tracking) = '%1'").arg(tracking)).toInt(),
              row.stored ? 0 : 1)
        << "the number stays taken by the screen until stored";
    EXPECT_EQ(archived().size(), row.kept ? 1 : 0);
    EXPECT_EQ(stored("SELECT Signatory || '|' || Copies || '|' || Tracking || '|' || FormIndex FROM IssueLog").toString(),
              row.kept ? QString("Pat Doe|1|%1|%2").arg(tracking).arg(window->currentFormIndex()) : QString());
    EXPECT_EQ(shown("IssuedMark"), row.kept ? IssuePrompts::issuedMark(QDate::currentDate()) : QString());
    EXPECT_EQ(QFile::exists(pdfPath), row.userFile);
    if (row.userFile) {
        EXPECT_EQ(readFile(pdfPath), readFile(dataFolder() + "Issued/" + archived().value(0)));
    }
    EXPECT_EQ(jobs, row.via != Via::Pdf && row.kept && row.failing != Failing::Printer ? 1 : 0);
    if (row.stored) {
        EXPECT_EQ(screen().block12Remarks->toPlainText(), stored("SELECT Remarks FROM Header").toString().trimmed());
    }
    QStringList titles;
    for (const Message &m : messages.shown)
        if (m != IssuePrompts::saveBeforeIssue())
            titles << m.title;
    EXPECT_EQ(titles, *row.told ? QStringList{row.told} : QStringList()) << testing::PrintToString(messages.shown);
}

INSTANTIATE_TEST_SUITE_P(Steps, IssueOrderTest, testing::ValuesIn(kSteps),
                         [](const testing::TestParamInfo<StepRow> &info) { return std::string(info.param.name); });
