// A certificate written as a real PDF file and read back with the poppler
// tools: the words where the recorded page puts them, the grey and the
// ticked box where they are drawn, and every word of a long page on the
// sheet and inside the frame in each layout.

#include "DataFolder.h"
#include "PrintCommand.h"
#include "PrintFixtures.h"
#include "ProgramRun.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"

#include <QImage>
#include <QRegularExpression>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax; // points from the page's top-left
};

// Letter paper with quarter-inch margins.
constexpr double kMargin = 18; // points
constexpr double kTolerance = 0.75; // points

double pt(double twips) { return twips / 20.0 + kMargin; }

class PrintPdfTest : public TempFolderTest {
protected:
    // A poppler tool's output.
    QString run(const QString &program, const QStringList &args)
    {
        const ProgramRun r = ProgramRun::of(program, args);
        EXPECT_EQ(r.exit, 0) << program.toStdString() << " (poppler-utils): " << r.said.toStdString();
        return r.said;
    }

    // The page as a PDF file, as the PDF button writes it, and where its
    // signature field lies.
    QString writePdf(const QString &name, const arc::CertificatePage &page, QRectF *field = nullptr)
    {
        QWidget window;
        ScriptedMessages messages;
        arc::DataFolder closed; // settings come with the page
        writeFile(file(name), arc::PrintCommand(messages, closed, [&] { return page; }, &window).pdfBytes(false, field));
        EXPECT_TRUE(messages.shown.isEmpty());
        return file(name);
    }

    // The words pdftotext finds, with their boxes.
    QList<Word> words(const QString &pdf)
    {
        QList<Word> found;
        static const QRegularExpression re(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
        for (const auto &m : re.globalMatch(run("pdftotext", {"-bbox", pdf, "-"})))
            found << Word{m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                          m.captured(3).toDouble(), m.captured(4).toDouble()};
        return found;
    }
};

TEST_F(PrintPdfTest, AFullCertificateWhereTheRecordedPagePutsIt)
{
    const arc::CertificatePage page = fullCertificate();
    const RecordedPage recorded(page);
    const QString pdf = writePdf("certificate.pdf", page);
    const QList<Word> all = words(pdf);
    // The first word of every text at the text's top-left corner.
    int placed = 0;
    for (const RecordedPage::Op &op : recorded.canvas.allTexts()) {
        const QString first = op.text.section(' ', 0, 0, QString::SectionSkipEmpty);
        if (first.isEmpty() || op.text.front().isSpace())
            continue;
        const bool there = std::ranges::any_of(all, [&](const Word &w) {
            return w.text == first && std::abs(w.xMin - pt(op.x1)) < kTolerance && std::abs(w.yMin - pt(op.y1)) < kTolerance;
        });
        EXPECT_TRUE(there) << op.text.toStdString() << " at " << op.x1 << ", " << op.y1;
        ++placed;
    }
    EXPECT_GT(placed, 50);

    // Rendered: the grey and the ticked box where they are drawn, an open
    // box white inside.
    constexpr int dpi = 50;
    run("pdftoppm", {"-png", "-r", QString::number(dpi), "-singlefile", pdf, file("page")});
    const QImage image(file("page.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(425, 550)); // Letter at 50 dpi
    const auto centre = [&](const RecordedPage::Op &box) {
        return QColor(image.pixel(qRound(((box.x1 + box.x2) / 2 / 1440 + 0.25) * dpi),
                                  qRound(((box.y1 + box.y2) / 2 / 1440 + 0.25) * dpi)));
    };
    const auto &ops = recorded.canvas.ops();
    const auto grey = std::ranges::find(ops, arc::PageCanvas::FillStyle::Solid, &RecordedPage::Op::fill);
    ASSERT_NE(grey, ops.end());
    const QList<RecordedPage::Op> ticked = recorded.canvas.ofKind(RecordedPage::Kind::SolidBox);
    QList<RecordedPage::Op> open; // the boxes after the frame and the instructions' box
    for (const RecordedPage::Op &box : recorded.canvas.ofKind(RecordedPage::Kind::Box).mid(2))
        if (box.fill == arc::PageCanvas::FillStyle::Transparent)
            open << box;
    ASSERT_EQ(ticked.size(), 1);
    ASSERT_FALSE(open.isEmpty());
    EXPECT_NEAR(centre(*grey).red(), 224, 8);
    EXPECT_LT(centre(ticked[0]).red(), 40);
    EXPECT_GT(centre(open[0]).red(), 200);
}

// Every word of a long page, in each layout, on the sheet and inside the
// frame; the digital signature's field over the box the signature image is
// printed in, in whichever block carries it: its top-left corner where the
// box's label starts, in PDF points from the sheet's lower-left corner.
TEST_F(PrintPdfTest, ALongPageStaysOnTheSheetWithTheSignatureFieldOverItsBox)
{
    static const QRegularExpression pageSize(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    for (const ModeCase &mode : kModeCases) {
        for (const bool in13 : {true, false}) {
            const QString label = in13 ? "13b." : "14b.";
            SCOPED_TRACE(QString("%1 %2").arg(mode.name, label).toStdString());
            arc::CertificatePage page = longCertificate(mode.user1);
            page.signer = in13 ? page.block13dName : page.block14dName;
            // Where the frame's right edge lands on the sheet.
            const RecordedPage recorded(page);
            const RecordedPage::Op box = recorded.canvas.ofKind(RecordedPage::Kind::Box).first();
            const QRectF frame = recorded.canvas.sheetFit().map(QRectF(QPointF(box.x1, box.y1), QPointF(box.x2, box.y2)));
            const QRectF sheet = recorded.canvas.sheet();
            QRectF field;
            const QString path = writePdf(QString("%1-%2.pdf").arg(mode.name, label), page, &field);
            const QList<Word> all = words(path);
            ASSERT_GT(all.size(), 400);
            for (const Word &w : all) {
                SCOPED_TRACE(w.text.toStdString());
                EXPECT_GE(w.xMin, pt(sheet.left()) - kTolerance);
                EXPECT_GE(w.yMin, pt(sheet.top()) - kTolerance);
                EXPECT_LE(w.yMax, pt(sheet.bottom()) + kTolerance);
                EXPECT_LE(w.xMax, pt(frame.right()) + kTolerance);
            }
            const double height = pageSize.match(run("pdftotext", {"-bbox", path, "-"})).captured(2).toDouble();
            const auto word = std::find_if(all.begin(), all.end(), [&](const Word &w) { return w.text == label; });
            ASSERT_NE(word, all.end());
            EXPECT_NEAR(field.left(), word->xMin, 1.5);
            EXPECT_NEAR(field.top() + field.height(), height - word->yMin, 1.5);
            EXPECT_GT(field.width(), 72);
            EXPECT_GT(field.height(), 20);
        }
    }
}

} // namespace
