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
#include <QToolBar>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QAction>

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
    }

    // A copy's canvas that leaves its operations with the test.
    struct Kept : arc::RecordingCanvas {
        explicit Kept(QList<Ops> &jobs) : jobs(jobs) {}
        ~Kept() override { jobs << ops(); }
        QList<Ops> &jobs;
    };

    // The copies the panel's OK asks for; none when it asks for nothing.
    int pressOk(const QString &copies)
    {
        int asked = 0;
        const QMetaObject::Connection c = QObject::connect(command.get(), &arc::PrintCommand::paperAsked,
                                                           [&asked](int n) { asked = n; });
        command->open();
        panel().text45->setText(copies);
        panel().okButton->click();
        QObject::disconnect(c);
        return asked;
    }
    arc::PrintPanel &panel() { return command->panel(); }

    QWidget window;
    ScriptedMessages messages;
    arc::CertificatePage page;
    std::unique_ptr<arc::PrintCommand> command;
    QList<Ops> jobs;
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

    // The Copies box starts from Organ1's leading number; Cancel asks for
    // nothing, and the next press starts from Organ1 again.
    command->open();
    EXPECT_EQ(panel().text45->text(), "3");
    panel().text45->setText("7");
    panel().cancelButton->click();
    EXPECT_TRUE(panel().isHidden());
    command->open();
    EXPECT_EQ(panel().text45->text(), "3");
    writeRow(data.defaults(), {{"Organ1", "abc"}}, true);
    command->open();
    EXPECT_EQ(panel().text45->text(), "0");

    // Settings are read afresh for every copy: landscape and grey on the job.
    ASSERT_TRUE(command->printCopies(command->screenPage(), 1, true));
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

TEST_F(PrintCommandTest, EachCopyIsAJobOfItsOwn)
{
    // The whole number at the start of the text; none asks for nothing.
    const std::pair<const char *, int> counts[] = {{"3", 3},  {" 2", 2}, {"2.7", 2}, {"3 copies", 3}, {"abc", 0},
                                                   {"0", 0},  {"-1", 0}, {"", 0},    {"0.9", 0},      {"-", 0}};
    for (const auto &[text, n] : counts) {
        EXPECT_EQ(pressOk(text), n) << text;
        EXPECT_TRUE(panel().isHidden());
    }

    // Block 12 longer than the page is never cut: every copy prints every
    // page, the form's and its continuation sheets.
    page.remarks = QString("Remark\r\n").repeated(80);
    ASSERT_TRUE(command->printCopies(command->screenPage(), 2, true));
    EXPECT_TRUE(messages.shown.isEmpty());
    ASSERT_EQ(jobs.size(), 2);
    for (const Ops &job : jobs) {
        EXPECT_EQ(std::ranges::count(job, Op::Kind::EndJob, &Op::kind), 1);
        EXPECT_EQ(std::ranges::count(job, Op::Kind::NewPage, &Op::kind), 1);
        EXPECT_EQ(std::ranges::count(job, QString("Remark"), &Op::text), 80);
    }
}

TEST_F(PrintCommandTest, APdfFileAndThePreview)
{
    EXPECT_TRUE(command->writePdf(file("certificate.pdf")));
    EXPECT_TRUE(readFile(file("certificate.pdf")).startsWith("%PDF-"));
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
        return true;
    });
    EXPECT_TRUE(command->showPreview(page));
    EXPECT_GT(QFileInfo(out).size(), 1000);
    // Without the signature: a page is signed only when it is issued.
    EXPECT_EQ(ProgramRun::of("pdfimages", {"-list", out}).said.trimmed().count('\n'), 1)
        << "no image below the two heading lines";

    // It opens over the window, as large as it, with the whole page in
    // view; its own Print, in its tool bar, closes it and asks for paper.
    window.resize(1000, 900);
    QPrinter printer;
    arc::PreviewWindow preview(printer, window);
    EXPECT_EQ(preview.size(), window.size());
    EXPECT_EQ(preview.preview()->zoomMode(), QPrintPreviewWidget::FitInView);
    auto *print = preview.findChild<QAction *>(QStringLiteral("printAction"));
    ASSERT_NE(print, nullptr) << "the preview has no Print action of its own";
    ASSERT_EQ(print, preview.printAction());
    auto *bar = preview.findChild<QToolBar *>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->actions().contains(print));
    QTimer::singleShot(0, &preview, [print] { print->trigger(); });
    EXPECT_TRUE(preview.printAsked());
    EXPECT_TRUE(preview.isHidden());
    // Closed without it: no paper is asked for.
    QTimer::singleShot(0, &preview, [&preview] { preview.reject(); });
    EXPECT_FALSE(preview.printAsked());
}

} // namespace
