// The Print button, its panel and copies; the settings read from the
// Defaults table; PDF output and the preview through their seams.

#include "CopyCount.h"
#include "DataFolder.h"
#include "PageFromScreen.h"
#include "PrintCommand.h"
#include "PrintFixtures.h"
#include "PrintPanel.h"
#include "PrintPrompts.h"
#include "PrintSettingsReader.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "WriteTransaction.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using arc::CopyCount::copies;
using arc::CopyCount::initialText;
using Answer = arc::Message::Answer;

TEST(PrintCopiesTest, CountIsTheWholeNumberAtTheStartOfTheText)
{
    EXPECT_EQ(copies("3"), 3);
    EXPECT_EQ(copies("1"), 1);
    EXPECT_EQ(copies(" 2"), 2);
    EXPECT_EQ(copies("2.7"), 2);
    EXPECT_EQ(copies("3 copies"), 3);
    for (const char *none : {"abc", "0", "-1", "", "0.9", " ", "-"})
        EXPECT_EQ(copies(none), 0) << none;

    // The Copies box when the panel opens.
    EXPECT_EQ(initialText(std::nullopt), "1");
    EXPECT_EQ(initialText(QString("2")), "2");
    EXPECT_EQ(initialText(QString("3 to the customer")), "3");
    EXPECT_EQ(initialText(QString(" 2")), "2");
    EXPECT_EQ(initialText(QString("abc")), "0");
}

// A data folder of the test's own with the one Defaults row it starts with.
class PrintDefaultsTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(arc::DataFolder::create(folder()).ok());
        ASSERT_TRUE(data.open(folder()).ok());
    }

    void setFirstRow(const QVariantMap &values)
    {
        arc::DataView &v = data.defaults();
        ASSERT_TRUE(v.moveFirst().ok());
        arc::WriteTransaction tx(data.certificates());
        ASSERT_TRUE(v.edit().ok());
        for (auto it = values.begin(); it != values.end(); ++it)
            v.setValue(it.key(), it.value());
        ASSERT_TRUE(v.update().ok());
        ASSERT_TRUE(tx.commit().ok());
    }

    void addRow(const QVariantMap &values)
    {
        arc::DataView &v = data.defaults();
        arc::WriteTransaction tx(data.certificates());
        ASSERT_TRUE(v.addNew().ok());
        for (auto it = values.begin(); it != values.end(); ++it)
            v.setValue(it.key(), it.value());
        ASSERT_TRUE(v.update().ok());
        ASSERT_TRUE(tx.commit().ok());
    }

    arc::DataFolder data;
};

TEST_F(PrintDefaultsTest, SettingsFromTheFirstRowAndTheCustomRow)
{
    arc::PrintSettings s = arc::PrintSettingsReader::read(data.defaults());
    EXPECT_FALSE(s.orientation.has_value());
    EXPECT_FALSE(s.shade);
    EXPECT_FALSE(s.largeRemarks);

    setFirstRow({{"User1", "2"}, {"Shade", 1}, {"IncreaseTrack", 0}});
    addRow({{"Country", "Custom"}, {"IncreaseTrack", 1}, {"Shade", 0}});
    s = arc::PrintSettingsReader::read(data.defaults());
    EXPECT_EQ(s.orientation, QString("2"));
    EXPECT_TRUE(s.shade);
    EXPECT_TRUE(s.largeRemarks);
    // Left on the first row for the rest of the program.
    EXPECT_EQ(data.defaults().text("Country"), "FAA/United States");

    setFirstRow({{"User1", "1"}, {"Shade", 0}, {"IncreaseTrack", 1}});
    s = arc::PrintSettingsReader::read(data.defaults());
    EXPECT_EQ(s.orientation, QString("1"));
    EXPECT_FALSE(s.shade);
    EXPECT_TRUE(s.largeRemarks); // the Custom row's switch, not the first row's
}

TEST_F(PrintDefaultsTest, CustomRowSwitchedOff)
{
    addRow({{"Country", "Custom"}, {"IncreaseTrack", 0}});
    setFirstRow({{"IncreaseTrack", 1}});
    EXPECT_FALSE(arc::PrintSettingsReader::read(data.defaults()).largeRemarks);
}

// The print command over a data folder, with recording canvases for the
// copies and no dialogs.
class PrintCommandTest : public PrintDefaultsTest {
protected:
    void SetUp() override
    {
        PrintDefaultsTest::SetUp();
        window.resize(800, 600);
        command = std::make_unique<arc::PrintCommand>(messages, data, [this] { return page; }, &window);
        command->setJobCanvas([this] { return std::make_unique<Kept>(jobs); });
        command->setPrinterCheck([this] { return printerInstalled; });
        command->setFileChooser([this] {
            ++chooserCalls;
            return pdfPath;
        });
        page = fullCertificate();
    }

    using Ops = QList<arc::RecordingCanvas::Op>;
    // A copy's canvas that leaves its operations with the test when the
    // command is done with it.
    class Kept : public arc::RecordingCanvas {
    public:
        explicit Kept(QList<Ops> &jobs) : m_jobs(jobs) {}
        ~Kept() override { m_jobs << ops(); }

    private:
        QList<Ops> &m_jobs;
    };

    void pressOk(const QString &copiesText)
    {
        command->open();
        panel().text45->setText(copiesText);
        panel().okButton->click();
    }
    int jobsEnded() const
    {
        int n = 0;
        for (const Ops &job : jobs)
            for (const auto &op : job)
                n += op.kind == arc::RecordingCanvas::Op::Kind::EndJob;
        return n;
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

TEST_F(PrintCommandTest, PanelControlsAndTheDefaultCopies)
{
    arc::PrintPanel &p = panel();
    EXPECT_EQ(p.objectName(), "Panel3D5");
    EXPECT_EQ(p.parentWidget(), &window);
    EXPECT_TRUE(p.isHidden());
    const struct {
        const char *name, *caption;
    } buttons[] = {{"Command1_0", "OK"}, {"Command1_1", "Cancel"}, {"CommandPreview", "Preview"}, {"CommandPdf", "PDF..."}};
    for (const auto &b : buttons) {
        auto *button = p.findChild<QPushButton *>(b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), b.caption);
    }
    ASSERT_NE(p.findChild<QLineEdit *>("Text45"), nullptr);
    bool captioned = false;
    for (QLabel *label : p.findChildren<QLabel *>())
        captioned |= label->text() == "Copies" && label->buddy() == p.text45;
    EXPECT_TRUE(captioned);

    command->open();
    EXPECT_FALSE(p.isHidden());
    EXPECT_EQ(p.text45->text(), "1"); // Organ1 null

    setFirstRow({{"Organ1", "3 copies"}});
    command->open();
    EXPECT_EQ(p.text45->text(), "3");
}

TEST_F(PrintCommandTest, EachCopyIsAJobOfItsOwn)
{
    pressOk("3");
    EXPECT_TRUE(panel().isHidden());
    EXPECT_EQ(jobs.size(), 3);
    EXPECT_EQ(jobsEnded(), 3);
    EXPECT_TRUE(messages.shown.isEmpty());

    jobs.clear();
    for (const char *none : {"abc", "0", "-1", ""}) {
        pressOk(none);
        EXPECT_TRUE(panel().isHidden()) << none;
    }
    pressOk(" 2");
    EXPECT_EQ(jobs.size(), 2);
    EXPECT_TRUE(messages.shown.isEmpty());

    // Cancel prints nothing; the next press starts from Organ1 again.
    jobs.clear();
    command->open();
    panel().text45->setText("7");
    panel().cancelButton->click();
    EXPECT_TRUE(panel().isHidden());
    EXPECT_TRUE(jobs.isEmpty());
    command->open();
    EXPECT_EQ(panel().text45->text(), "1");
}

TEST_F(PrintCommandTest, MoreThanFiftyCopiesAreConfirmedFirst)
{
    pressOk("50");
    EXPECT_EQ(jobs.size(), 50);
    EXPECT_TRUE(messages.shown.isEmpty());

    jobs.clear();
    messages.answers = {Answer::No};
    pressOk("51");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], arc::PrintPrompts::manyCopies(51));
    EXPECT_EQ(messages.shown[0].buttons, arc::Message::Buttons::YesNo);
    EXPECT_TRUE(jobs.isEmpty());

    messages.answers = {Answer::Yes};
    pressOk("51");
    EXPECT_EQ(jobs.size(), 51);
}

TEST_F(PrintCommandTest, EveryCopyShowsItsOwnTruncationMessage)
{
    page.remarks.clear();
    for (int i = 0; i < 12; ++i)
        page.remarks += QString("Remark %1\r\n").arg(i);
    pressOk("2");
    ASSERT_EQ(messages.shown.size(), 2);
    for (const arc::Message &m : messages.shown) {
        EXPECT_EQ(m.prompt, "Lines truncated. Press OK to continue");
        EXPECT_EQ(m.title, "Remarks section too long");
        EXPECT_EQ(m.buttons, arc::Message::Buttons::Ok);
        EXPECT_EQ(m.icon, arc::Message::Icon::Critical);
    }
}

TEST_F(PrintCommandTest, SettingsAreReadForEveryCopy)
{
    setFirstRow({{"User1", "2"}, {"Shade", 1}});
    pressOk("1");
    ASSERT_EQ(jobs.size(), 1);
    const Ops &ops = jobs[0];
    ASSERT_FALSE(ops.isEmpty());
    EXPECT_EQ(ops.first().orientation, arc::PageCanvas::Orientation::Landscape);
    int grey = 0;
    for (const auto &op : ops)
        grey += op.kind == arc::RecordingCanvas::Op::Kind::Box && op.fill == arc::PageCanvas::FillStyle::Solid;
    EXPECT_EQ(grey, 1);
}

TEST_F(PrintCommandTest, WithoutAPrinterOffersAPdfInstead)
{
    printerInstalled = false;
    messages.answers = {Answer::No};
    pressOk("2");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], arc::PrintPrompts::noPrinter());
    EXPECT_TRUE(jobs.isEmpty());
    EXPECT_EQ(chooserCalls, 0);

    pdfPath = file("offered.pdf");
    messages.answers = {Answer::Yes};
    pressOk("2");
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_TRUE(jobs.isEmpty());
    EXPECT_GT(QFileInfo(pdfPath).size(), 1000);
}

TEST_F(PrintCommandTest, PdfButtonWritesTheChosenFile)
{
    pdfPath.clear(); // the user cancels the chooser
    command->open();
    panel().pdfButton->click();
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_TRUE(panel().isHidden());

    pdfPath = file("certificate.pdf");
    panel().pdfButton->click();
    QFile pdf(pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_TRUE(messages.shown.isEmpty());

    // A folder that does not exist: the user is told.
    const QString bad = file("missing/folder/certificate.pdf");
    EXPECT_FALSE(command->writePdf(bad));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], arc::PrintPrompts::pdfNotWritten(bad));
}

TEST_F(PrintCommandTest, PreviewPaintsThePageOnTheDialogsPrinter)
{
    int runs = 0;
    const QString out = file("preview.pdf");
    command->setPreviewRunner([&](QPrinter &, const std::function<void(QPrinter *)> &paint) {
        ++runs;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        paint(&printer);
    });
    command->open();
    panel().previewButton->click();
    EXPECT_EQ(runs, 1);
    EXPECT_GT(QFileInfo(out).size(), 1000);
}

TEST(PrintPageFromScreenTest, ScreenBoxesBecomeThePage)
{
    arc::CertificateEntries e;
    e.country = "FAA/United States";
    e.tracking = "T-1";
    e.organ1 = "Acme\nMain St";
    e.organ2 = "Second";
    e.invoice = "INV\n2";
    e.remarks = "R1\nR2";
    e.approvedDesign = true;
    e.otherRegulation = true;
    e.name17 = "N17";
    e.authNum = "A16";
    e.date18 = "05/Dec/2026";
    e.name22 = "N22";
    e.certNum = "C4";
    e.date23 = "06/Dec/2026";
    e.lines[0] = {"1", "Pump\nAssy", "PN", "2", "SN", "NEW", "PMA"};
    QImage sig(10, 5, QImage::Format_RGB32);

    const arc::CertificatePage p = arc::pageFromScreen(e, sig);
    EXPECT_EQ(p.organ1, "Acme\r\nMain St");
    EXPECT_EQ(p.invoice, "INV\r\n2");
    EXPECT_EQ(p.remarks, "R1\r\nR2");
    EXPECT_EQ(p.lines[0].description, "Pump\r\nAssy");
    EXPECT_EQ(p.lines[0].status, "NEW");
    EXPECT_TRUE(p.approvedDesign);
    EXPECT_FALSE(p.nonApprovedDesign);
    EXPECT_FALSE(p.cfrReturnToService);
    EXPECT_TRUE(p.otherRegulation);
    EXPECT_EQ(p.name17, "N17");
    EXPECT_EQ(p.authNum, "A16");
    EXPECT_EQ(p.date18, "05/Dec/2026");
    EXPECT_EQ(p.name22, "N22");
    EXPECT_EQ(p.certNum, "C4");
    EXPECT_EQ(p.date23, "06/Dec/2026");
    EXPECT_EQ(p.signature.size(), QSize(10, 5));
    EXPECT_TRUE(p.block13Applies());
}

} // namespace
