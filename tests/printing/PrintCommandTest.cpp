#include "OpenedSource.h"
#include "PrintCommand.h"
#include "PrintFixtures.h"
#include "PrintPanel.h"
#include "PrintPrompts.h"
#include "PreviewWindow.h"
#include "PrintSettingsReader.h"
#include "ProgramRun.h"
#include "Rows.h"
#include "ScriptedMessages.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>

namespace {

using Answer = arc::Message::Answer;
using Op = arc::RecordingCanvas::Op;
using Ops = QList<Op>;

// The print command over a data folder, copies drawn on recording canvases.
class PrintCommandTest : public OpenedFolderTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenedFolderTest::SetUp());
        page = fullCertificate();
        command = std::make_unique<arc::PrintCommand>(messages, data, [this] { return page; }, &window);
        command->setJobCanvas([this] { return std::make_unique<Kept>(jobs); });
        command->setPrinterCheck([this] { return printerInstalled; });
        command->setFileChooser([this] {
            ++chooserCalls;
            return pdfPath;
        });
    }

    // A copy's canvas that leaves its operations with the test.
    struct Kept : arc::RecordingCanvas {
        explicit Kept(QList<Ops> &jobs) : jobs(jobs) {}
        ~Kept() override { jobs << ops(); }
        QList<Ops> &jobs;
    };

    void pressOk(const QString &copies)
    {
        command->open();
        panel().text45->setText(copies);
        panel().okButton->click();
    }
    arc::PrintPanel &panel() { return command->panel(); }

    QWidget window;
    ScriptedMessages messages;
    arc::CertificatePage page;
    std::unique_ptr<arc::PrintCommand> command;
    QList<Ops> jobs;
    bool printerInstalled = true;
    int chooserCalls = 0;
    QString pdfPath;
};

TEST_F(PrintCommandTest, SettingsAndCopiesComeFromTheDefaults)
{
    arc::PrintSettings s = arc::PrintSettingsReader::read(data.defaults());
    EXPECT_FALSE(s.orientation || s.shade || s.largeRemarks);
    EXPECT_TRUE(panel().isHidden());
    command->open();
    EXPECT_FALSE(panel().isHidden());
    EXPECT_EQ(panel().text45->text(), "1"); // Organ1 null

    writeRow(data.defaults(), {{"User1", "2"}, {"Shade", 1}, {"IncreaseTrack", 0}, {"Organ1", "3 copies"}}, true);
    writeRow(data.defaults(), {{"Country", "Custom"}, {"IncreaseTrack", 1}, {"Shade", 0}}); // a second row
    s = arc::PrintSettingsReader::read(data.defaults());
    EXPECT_EQ(s.orientation, QString("2"));
    EXPECT_TRUE(s.shade);
    EXPECT_TRUE(s.largeRemarks); // the Custom row's switch, not the first row's
    EXPECT_EQ(data.defaults().text("Country"), "FAA/United States"); // left on the first row

    // The Copies box starts from Organ1's leading number; Cancel prints
    // nothing, and the next press starts from Organ1 again.
    command->open();
    EXPECT_EQ(panel().text45->text(), "3");
    panel().text45->setText("7");
    panel().cancelButton->click();
    EXPECT_TRUE(panel().isHidden());
    command->open();
    EXPECT_EQ(panel().text45->text(), "3");
    EXPECT_TRUE(jobs.isEmpty());
    writeRow(data.defaults(), {{"Organ1", "abc"}}, true);
    command->open();
    EXPECT_EQ(panel().text45->text(), "0");

    // Settings are read afresh for every copy: landscape and grey on the job.
    pressOk("1");
    ASSERT_EQ(jobs.size(), 1);
    EXPECT_EQ(jobs[0].first().orientation, arc::PageCanvas::Orientation::Landscape);
    EXPECT_EQ(std::ranges::count(jobs[0], arc::PageCanvas::FillStyle::Solid, &Op::fill), 1);
}

// The paper is the one the organisation named in block 4 keeps, else the
// form's: Letter for the FAA form, A4 for the EASA and UK forms.
TEST_F(PrintCommandTest, ThePaperIsTheOrganisationsElseTheForms)
{
    writeRow(data.organizations(), {{"Organization", "Velloran Aero Components"}});
    const struct {
        QVariant kept;
        const char *form, *paper;
    } cases[] = {{QVariant(), "FAA Form 8130-3", "letter"},     {"", "EASA Form 1 (production)", "A4"},
                 {" a4 ", "FAA Form 8130-3", "A4"},            {"Letter", "UK CAA Form 1 (maintenance)", "letter"},
                 {"Legal", "EASA Form 1 (maintenance)", "A4"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kept.toString().toStdString() + " " + c.form);
        ASSERT_TRUE(data.reference().exec("UPDATE \"Organizations\" SET \"PaperSize\" = ?", {c.kept}).ok());
        page.form = c.form;
        writeFile(file("paper.pdf"), command->pdfBytes(false));
        EXPECT_TRUE(ProgramRun::of("pdfinfo", {file("paper.pdf")}).said.contains(QString("(%1)").arg(c.paper)));
    }
}

TEST_F(PrintCommandTest, EachCopyIsAJobOfItsOwnWithItsOwnMessages)
{
    // The whole number at the start of the text.
    const std::pair<const char *, int> counts[] = {{"3", 3},  {" 2", 2}, {"2.7", 2}, {"3 copies", 3}, {"abc", 0},
                                                   {"0", 0},  {"-1", 0}, {"", 0},    {"0.9", 0},      {"-", 0}};
    for (const auto &[text, n] : counts) {
        jobs.clear();
        pressOk(text);
        EXPECT_TRUE(panel().isHidden());
        ASSERT_EQ(jobs.size(), n) << text;
        for (const Ops &job : jobs)
            EXPECT_EQ(std::ranges::count(job, Op::Kind::EndJob, &Op::kind), 1);
    }
    EXPECT_TRUE(messages.shown.isEmpty());

    // Above fifty copies the user confirms first.
    jobs.clear();
    pressOk("50");
    EXPECT_EQ(jobs.size(), 50);
    messages.answers = {Answer::No, Answer::Yes};
    pressOk("51");
    EXPECT_EQ(jobs.size(), 50);
    pressOk("51");
    EXPECT_EQ(jobs.size(), 101);
    messages.expectAsked({arc::PrintPrompts::manyCopies(51), arc::PrintPrompts::manyCopies(51)});

    // A cut block is asked once before anything is printed, whatever the
    // number of copies.
    jobs.clear();
    page.invoice = QString("Invoice\r\n").repeated(12);
    const arc::Message cut =
        arc::PrintPrompts::checkFindings({arc::PrintPrompts::cutFinding(RecordedPage(page).notices.value(0))});
    messages.answers = {Answer::No, Answer::Yes};
    pressOk("2");
    messages.expectAsked(cut);
    EXPECT_TRUE(jobs.empty());
    pressOk("2");
    messages.expectAsked(cut);
    EXPECT_EQ(jobs.size(), 2);

    // Block 12 longer than the page is never cut: every copy prints every
    // page, the form's and its continuation sheets.
    jobs.clear();
    page.invoice.clear();
    page.remarks = QString("Remark\r\n").repeated(80);
    pressOk("2");
    EXPECT_TRUE(messages.shown.isEmpty());
    ASSERT_EQ(jobs.size(), 2);
    for (const Ops &job : jobs) {
        EXPECT_EQ(std::ranges::count(job, Op::Kind::NewPage, &Op::kind), 1);
        EXPECT_EQ(std::ranges::count(job, QString("Remark"), &Op::text), 80);
    }
}

TEST_F(PrintCommandTest, PdfInsteadOfAMissingPrinterFromItsButtonAndThePreview)
{
    printerInstalled = false;
    messages.answers = {Answer::No, Answer::Yes};
    pressOk("2");
    EXPECT_EQ(chooserCalls, 0);
    pdfPath = file("offered.pdf");
    pressOk("2");
    messages.expectAsked({arc::PrintPrompts::noPrinter(), arc::PrintPrompts::noPrinter()});
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_TRUE(jobs.isEmpty());
    EXPECT_GT(QFileInfo(pdfPath).size(), 1000);

    pdfPath = file("certificate.pdf");
    command->open();
    panel().pdfButton->click();
    EXPECT_TRUE(panel().isHidden());
    EXPECT_TRUE(readFile(pdfPath).startsWith("%PDF-"));

    // A folder that does not exist: the user is told.
    const QString bad = file("missing/certificate.pdf");
    EXPECT_FALSE(command->writePdf(bad));
    messages.expectAsked(arc::PrintPrompts::pdfNotWritten(bad));

    // The preview paints the same page on the printer its dialog gives.
    const QString out = file("preview.pdf");
    command->setPreviewRunner([&](QPrinter &, const std::function<void(QPrinter *)> &paint) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        paint(&printer);
    });
    panel().previewButton->click();
    EXPECT_GT(QFileInfo(out).size(), 1000);
    // Without the signature: a page printed from the preview is not issued.
    EXPECT_EQ(ProgramRun::of("pdfimages", {"-list", out}).said.trimmed().count('\n'), 1)
        << "no image below the two heading lines";

    // It opens over the window, as large as it, with the whole page in view.
    window.resize(1000, 900);
    QPrinter printer;
    QPrintPreviewDialog dialog(&printer, &window);
    arc::showWholePage(dialog, window);
    EXPECT_EQ(dialog.size(), window.size());
    EXPECT_EQ(dialog.findChild<QPrintPreviewWidget *>()->zoomMode(), QPrintPreviewWidget::FitInView);
}

} // namespace
