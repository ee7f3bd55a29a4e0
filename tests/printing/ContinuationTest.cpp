// Items and block 12 lines the form's page cannot hold go on continuation
// sheets, in order and whole, every page numbered and naming the
// certificate, no sheet signed.

#include "FormDefinition.h"
#include "FormNames.h"
#include "PageCheck.h"
#include "PagesPdf.h"
#include "PaperSize.h"
#include "PrintCommand.h"
#include "PrintFixtures.h"
#include "ProgramRun.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "DataFolder.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QWidget>

namespace {

using Op = arc::RecordingCanvas::Op;

// `items` serialised lines and block 12 of `remarks`, signed, on `form`.
arc::CertificatePage certificate(const QString &form, int items, const QString &remarks)
{
    arc::CertificatePage p = fullCertificate();
    p.form = form;
    const bool maintenance = form.contains("maintenance");
    p.lines.assign(std::size_t(items), {});
    for (int r = 0; r < items; ++r)
        p.lines[std::size_t(r)] = itemLine(QString::number(r + 1), QString("PART %1").arg(r + 1), "PN-1", "1",
                                           QString("SN-%1").arg(1000 + r), maintenance ? "REPAIRED" : "NEW");
    if (maintenance) {
        p.approvedDesign = false;
        p.cfrReturnToService = true;
        p.block14dName = p.block13dName;
    }
    p.remarks = remarks;
    return p;
}

// Words w1 w2 ... of about `characters` characters.
QString words(int characters)
{
    QString text;
    for (int n = 1; text.size() < characters; ++n)
        text += QString("w%1 ").arg(n);
    return text;
}

// The numbers of the tokens "PREFIXn" in `text`, in order.
QList<int> numbered(const QString &text, const QString &prefix)
{
    QList<int> out;
    const QRegularExpression re("\\b" + QRegularExpression::escape(prefix) + "(\\d+)\\b");
    for (const auto &m : re.globalMatch(text))
        out << m.captured(1).toInt();
    return out;
}

QList<int> oneTo(int n, int from = 1)
{
    QList<int> out;
    for (int i = 0; i < n; ++i)
        out << from + i;
    return out;
}

// Every page of `pages`, by its text, numbered and naming the certificate;
// every serial number and word of block 12 of `page` among them, in order.
void expectEveryPageAndWord(const QStringList &pages, const arc::CertificatePage &page)
{
    for (qsizetype i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].contains(QString("Page %1 of %2").arg(i + 1).arg(pages.size()))) << "page " << i + 1;
        EXPECT_TRUE(pages[i].contains("ARC-000123")) << "page " << i + 1;
    }
    const QString all = pages.join('\n');
    EXPECT_EQ(numbered(all, "SN-"), oneTo(int(page.lines.size()), 1000));
    EXPECT_EQ(numbered(all, "w"), oneTo(numbered(page.remarks, "w").size()));
}

TEST(ContinuationTest, EveryItemAndRemarkInOrderEveryPageNumberedNoSheetSigned)
{
    for (const SheetLayout &l : everyLayout()) {
        SCOPED_TRACE(l.name());
        arc::CertificatePage page = certificate(l.form, 40, words(5000));
        page.settings.orientation = l.user1;
        const RecordedPage r(page);
        EXPECT_TRUE(r.notices.isEmpty()) << r.notices.join(", ").toStdString();
        EXPECT_EQ(pageFaults(r.canvas).join("\n"), "");
        const QList<QList<Op>> pages = r.canvas.pages();
        ASSERT_GT(pages.size(), 1);
        const arc::FormDefinition &form = arc::FormDefinition::of(l.form);
        QStringList texts;
        for (const QList<Op> &ops : pages)
            texts << pageText(ops);
        expectEveryPageAndWord(texts, page);
        const qsizetype sheets = pages.size() - 1;
        EXPECT_TRUE(texts[0].contains(QString("Continued on %1 attached continuation sheet(s).").arg(sheets)));
        for (qsizetype i = 1; i < pages.size(); ++i) {
            const QString &text = texts[i];
            EXPECT_TRUE(text.contains(QString("Continuation sheet %1 of %2").arg(i).arg(sheets)));
            EXPECT_TRUE(text.contains(form.footerLeft)) << "the form's edition";
            EXPECT_EQ(std::ranges::count(pages[i], Op::Kind::Picture, &Op::kind), 0) << "no signature on a sheet";
            for (const QString &statement : form.statement14a)
                EXPECT_FALSE(text.contains(statement));
            EXPECT_FALSE(text.contains(form.numbered("13b")));
            EXPECT_FALSE(text.contains(form.numbered("14b")));
        }
    }
}

// The longest remark and the widest word print whole: as many sheets as
// they take, a word wider than the column broken inside it.
TEST(ContinuationTest, AHundredThousandCharactersAndATwoThousandCharacterWordPrintWhole)
{
    arc::CertificatePage page = certificate("FAA Form 8130-3", 1, words(100000));
    RecordedPage r(page);
    EXPECT_TRUE(r.notices.isEmpty());
    EXPECT_EQ(numbered(pageText(r.canvas.ops()), "w"), oneTo(numbered(page.remarks, "w").size()));
    EXPECT_GT(r.canvas.pages().size(), 5);

    page.remarks = QString(2000, 'X');
    const RecordedPage wide(page);
    EXPECT_EQ(pageFaults(wide.canvas).join("\n"), "");
    QString xs;
    for (const Op &op : wide.canvas.allTexts())
        if (op.text.startsWith('X'))
            xs += op.text;
    EXPECT_EQ(xs, page.remarks);
}

// A page the form holds whole is one page, without page numbers.
TEST(ContinuationTest, ACertificateThatFitsIsOnePage)
{
    QStringList ten;
    for (int n = 1; n <= 10; ++n)
        ten << QString("Remark %1").arg(n);
    const RecordedPage r(certificate("FAA Form 8130-3", 10, ten.join("\r\n")));
    EXPECT_EQ(r.canvas.pages().size(), 1);
    EXPECT_TRUE(r.canvas.texts("Page 1 of 1").isEmpty());
}

// Every layout and form fits Letter and A4: inside the printable area and
// every text inside its box, the form's page and its sheets, with every
// block as long as it can be.
TEST(ContinuationTest, EveryLayoutAndFormFitsLetterAndA4)
{
    for (const arc::Paper paper : {arc::Paper::Letter, arc::Paper::A4}) {
        for (const SheetLayout &l : everyLayout()) {
            SCOPED_TRACE(l.name() + (paper == arc::Paper::A4 ? " A4" : " Letter"));
            arc::CertificatePage full = fullCertificate(), longest = longCertificate(l.user1);
            full.form = longest.form = l.form;
            for (arc::CertificatePage page : {full, longest, certificate(l.form, 40, words(5000))}) {
                page.settings.orientation = l.user1;
                arc::RecordingCanvas canvas(arc::PaperSize::portraitPrintable(paper));
                const arc::PrintResult result = arc::PrintCertificate(canvas, page);
                EXPECT_TRUE(result.truncatedCells.isEmpty()) << result.truncatedCells.join(", ").toStdString();
                EXPECT_EQ(pageFaults(canvas).join("\n"), "");
            }
        }
    }
}

class ContinuationPdfTest : public TempFolderTest {};

// What a reader gets back: every serial number and every word of block 12,
// in order, and every page with the tracking number and "Page N of M"; from
// the PDF file on every form and paper, and from the preview, which paints
// every page. The form decides the paper the print command takes.
TEST_F(ContinuationPdfTest, EveryPageAndWordFromThePdfFileAndThePreview)
{
    for (const QString &form : arc::FormNames::all()) {
        const arc::CertificatePage page = certificate(form, 40, words(5000));
        QWidget window;
        ScriptedMessages messages;
        arc::DataFolder closed;
        arc::PrintCommand command(messages, closed, [&] { return page; }, &window);
        writeFile(file("command.pdf"), command.pdfBytes(false));
        const ProgramRun info = ProgramRun::of("pdfinfo", {file("command.pdf")});
        EXPECT_TRUE(info.said.contains(form.startsWith("FAA") ? "(letter)" : "(A4)")) << info.said.toStdString();
        command.setPreviewRunner([&](QPrinter &printer, const std::function<void(QPrinter *)> &paint) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file("preview.pdf"));
            paint(&printer);
            return false;
        });
        (void)command.showPreview(page);
        writeFile(file("letter.pdf"), arc::PagesPdf::bytesOn(arc::Paper::Letter, {page}));
        writeFile(file("a4.pdf"), arc::PagesPdf::bytesOn(arc::Paper::A4, {page}));
        for (const char *output : {"letter", "a4", "preview"}) {
            SCOPED_TRACE(form.toStdString() + " " + output);
            const ProgramRun r = ProgramRun::of("pdftotext", {file(QString(output) + ".pdf"), "-"});
            ASSERT_EQ(r.exit, 0) << r.said.toStdString();
            const QStringList pages = r.said.split('\f', Qt::SkipEmptyParts);
            ASSERT_GT(pages.size(), 1);
            expectEveryPageAndWord(pages, page);
        }
    }
}

} // namespace
