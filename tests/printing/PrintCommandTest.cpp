// The Print button, its panel and copies; the settings read from the
// Defaults table; PDF output and the preview through their seams.

#include "CopyCount.h"
#include "DataFolder.h"
#include "PrintCommand.h"
#include "PrintFixtures.h"
#include "PrintPanel.h"
#include "PrintPrompts.h"
#include "PrintSettingsReader.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "WriteTransaction.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

namespace {

using Answer = arc::Message::Answer;
using Ops = QList<arc::RecordingCanvas::Op>;

TEST(PrintCopiesTest, CountIsTheWholeNumberAtTheStartOfTheText)
{
    using arc::CopyCount::copies;
    EXPECT_EQ(copies("3"), 3);
    EXPECT_EQ(copies(" 2"), 2);
    EXPECT_EQ(copies("2.7"), 2);
    EXPECT_EQ(copies("3 copies"), 3);
    for (const char *none : {"abc", "0", "-1", "", "0.9", "-"})
        EXPECT_EQ(copies(none), 0) << none;
    // The Copies box when the panel opens, from Organ1.
    using arc::CopyCount::initialText;
    EXPECT_EQ(initialText(std::nullopt), "1");
    EXPECT_EQ(initialText(QString("2")), "2");
    EXPECT_EQ(initialText(QString("3 to the customer")), "3");
    EXPECT_EQ(initialText(QString("abc")), "0");
}

// A data folder of the test's own and the print command over it, with
// recording canvases for the copies and no dialogs.
class PrintCommandTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(arc::DataFolder::create(folder()).ok());
        ASSERT_TRUE(data.open(folder()).ok());
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

    // Write a row of Defaults: the first one, or a new one.
    void store(const QVariantMap &values, bool firstRow = true)
    {
        arc::DataView &v = data.defaults();
        arc::WriteTransaction tx(data.certificates());
        ASSERT_TRUE(v.moveFirst().ok());
        ASSERT_TRUE((firstRow ? v.edit() : v.addNew()).ok());
        for (auto it = values.begin(); it != values.end(); ++it)
            v.setValue(it.key(), it.value());
        ASSERT_TRUE(v.update().ok());
        ASSERT_TRUE(tx.commit().ok());
    }

    void pressOk(const QString &copies)
    {
        command->open();
        panel().text45->setText(copies);
        panel().okButton->click();
    }
    arc::PrintPanel &panel() { return command->panel(); }

    arc::DataFolder data;
    QWidget window;
    ScriptedMessages messages;
    arc::CertificatePage page;
    std::unique_ptr<arc::PrintCommand> command;
    QList<Ops> jobs;
    bool printerInstalled = true;
    int chooserCalls = 0;
    QString pdfPath;
};

TEST_F(PrintCommandTest, SettingsFromTheFirstRowAndTheCustomRow)
{
    arc::PrintSettings s = arc::PrintSettingsReader::read(data.defaults());
    EXPECT_FALSE(s.orientation || s.shade || s.largeRemarks);

    store({{"User1", "2"}, {"Shade", 1}, {"IncreaseTrack", 0}});
    store({{"Country", "Custom"}, {"IncreaseTrack", 1}, {"Shade", 0}}, false);
    s = arc::PrintSettingsReader::read(data.defaults());
    EXPECT_EQ(s.orientation, QString("2"));
    EXPECT_TRUE(s.shade);
    EXPECT_TRUE(s.largeRemarks); // the Custom row's switch, not the first row's
    EXPECT_EQ(data.defaults().text("Country"), "FAA/United States"); // left on the first row

    // Read afresh for every copy: landscape and grey on the printed job.
    pressOk("1");
    ASSERT_EQ(jobs.size(), 1);
    EXPECT_EQ(jobs[0].first().orientation, arc::PageCanvas::Orientation::Landscape);
    int grey = 0;
    for (const auto &op : jobs[0])
        grey += op.kind == arc::RecordingCanvas::Op::Kind::Box && op.fill == arc::PageCanvas::FillStyle::Solid;
    EXPECT_EQ(grey, 1);
}

TEST_F(PrintCommandTest, PanelOpensWithTheDefaultCopies)
{
    EXPECT_EQ(panel().objectName(), "Panel3D5");
    EXPECT_TRUE(panel().isHidden());
    command->open();
    EXPECT_FALSE(panel().isHidden());
    EXPECT_EQ(panel().text45->text(), "1"); // Organ1 null
    store({{"Organ1", "3 copies"}});
    command->open();
    EXPECT_EQ(panel().text45->text(), "3");

    // Cancel prints nothing; the next press starts from Organ1 again.
    panel().text45->setText("7");
    panel().cancelButton->click();
    EXPECT_TRUE(panel().isHidden());
    command->open();
    EXPECT_EQ(panel().text45->text(), "3");
    EXPECT_TRUE(jobs.isEmpty());
}

TEST_F(PrintCommandTest, EachCopyIsAJobOfItsOwn)
{
    pressOk("3");
    EXPECT_TRUE(panel().isHidden());
    ASSERT_EQ(jobs.size(), 3);
    for (const Ops &job : jobs)
        EXPECT_EQ(std::count_if(job.begin(), job.end(), [](const auto &op) {
                      return op.kind == arc::RecordingCanvas::Op::Kind::EndJob;
                  }), 1);
    for (const char *none : {"abc", "0", "-1", ""})
        pressOk(none);
    EXPECT_EQ(jobs.size(), 3);
    EXPECT_TRUE(messages.shown.isEmpty());

    // Above fifty copies the user confirms first.
    pressOk("50");
    EXPECT_EQ(jobs.size(), 53);
    messages.answers = {Answer::No, Answer::Yes};
    pressOk("51");
    EXPECT_EQ(jobs.size(), 53);
    pressOk("51");
    EXPECT_EQ(jobs.size(), 104);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0], arc::PrintPrompts::manyCopies(51));
    EXPECT_EQ(messages.shown[0].buttons, arc::Message::Buttons::YesNo);
}

TEST_F(PrintCommandTest, EveryCopyShowsItsOwnTruncationMessage)
{
    page.remarks = QString("Remark\r\n").repeated(12);
    pressOk("2");
    ASSERT_EQ(messages.shown.size(), 2);
    for (const arc::Message &m : messages.shown) {
        EXPECT_EQ(m.prompt, "Lines truncated. Press OK to continue");
        EXPECT_EQ(m.title, "Remarks section too long");
        EXPECT_EQ(m.buttons, arc::Message::Buttons::Ok);
        EXPECT_EQ(m.icon, arc::Message::Icon::Critical);
    }
}

TEST_F(PrintCommandTest, PdfInsteadOfAMissingPrinterAndFromItsButton)
{
    printerInstalled = false;
    messages.answers = {Answer::No, Answer::Yes};
    pressOk("2");
    EXPECT_EQ(chooserCalls, 0);
    pdfPath = file("offered.pdf");
    pressOk("2");
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0], arc::PrintPrompts::noPrinter());
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_TRUE(jobs.isEmpty());
    EXPECT_GT(QFileInfo(pdfPath).size(), 1000);

    pdfPath = file("certificate.pdf");
    command->open();
    panel().pdfButton->click();
    EXPECT_TRUE(panel().isHidden());
    QFile pdf(pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));

    // A folder that does not exist: the user is told.
    const QString bad = file("missing/certificate.pdf");
    EXPECT_FALSE(command->writePdf(bad));
    EXPECT_EQ(messages.shown.last(), arc::PrintPrompts::pdfNotWritten(bad));

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
}

} // namespace
