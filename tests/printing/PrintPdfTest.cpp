// A certificate written as a real PDF file and read back with the poppler
// tools, against its recorded drawing.

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
    QString run(const QString &program, const QStringList &args)
    {
        const ProgramRun r = ProgramRun::of(program, args);
        EXPECT_EQ(r.exit, 0) << program.toStdString() << " (poppler-utils): " << r.said.toStdString();
        return r.said;
    }

    // The page as the PDF button writes it, and where its signature field lies.
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

// A long page in each layout, signed in either block; the digital
// signature's field starts where the signature box's label does.
TEST_F(PrintPdfTest, EachLayoutAsRecordedWithTheSignatureFieldOverItsBox)
{
    static const QRegularExpression pageSize(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    for (const ModeCase &mode : kModeCases) {
        for (const bool in13 : {true, false}) {
            const QString label = in13 ? "13b." : "14b.";
            SCOPED_TRACE(QString("%1 %2").arg(mode.name, label).toStdString());
            arc::CertificatePage page = longCertificate(mode.user1);
            page.signer = in13 ? page.block13dName : page.block14dName;
            const RecordedPage recorded(page);
            const arc::SheetFit fit = recorded.canvas.sheetFit();
            const auto onSheet = [&](double x1, double y1, double x2 = 0, double y2 = 0) {
                return fit.map(QRectF(QPointF(x1, y1), QPointF(x2 ? x2 : x1, y2 ? y2 : y1)));
            };
            QRectF field;
            const QString path = writePdf(QString("%1-%2.pdf").arg(mode.name, label), page, &field);
            const QList<Word> all = words(path);
            ASSERT_GT(all.size(), 400);
            for (const RecordedPage::Op &op : recorded.canvas.allTexts()) {
                const QString first = op.text.section(' ', 0, 0, QString::SectionSkipEmpty);
                if (first.isEmpty() || op.text.front().isSpace())
                    continue;
                const QPointF at = onSheet(op.x1, op.y1).topLeft();
                EXPECT_TRUE(std::ranges::any_of(all, [&](const Word &w) {
                    return w.text == first && std::abs(w.xMin - pt(at.x())) < kTolerance
                           && std::abs(w.yMin - pt(at.y())) < kTolerance;
                })) << op.text.toStdString() << " at " << op.x1 << ", " << op.y1;
            }
            const RecordedPage::Op frame = recorded.canvas.ofKind(RecordedPage::Kind::Box).first();
            const double frameRight = pt(onSheet(frame.x1, frame.y1, frame.x2, frame.y2).right());
            for (const Word &w : all)
                EXPECT_LE(w.xMax, frameRight + kTolerance) << w.text.toStdString();

            const QRegularExpressionMatch size = pageSize.match(run("pdftotext", {"-bbox", path, "-"}));
            EXPECT_EQ(size.captured(1).toDouble() * size.captured(2).toDouble(), 612.0 * 792) << "Letter";
            const auto word = std::ranges::find(all, label, &Word::text);
            ASSERT_NE(word, all.end());
            EXPECT_NEAR(field.left(), word->xMin, 1.5);
            EXPECT_NEAR(field.top() + field.height(), size.captured(2).toDouble() - word->yMin, 1.5);
            EXPECT_GT(field.width(), 72);
            EXPECT_GT(field.height(), 20);
        }
    }
}

TEST_F(PrintPdfTest, FillsAreDrawnWhereRecorded)
{
    const arc::CertificatePage page = fullCertificate();
    const RecordedPage recorded(page);
    constexpr int dpi = 50;
    run("pdftoppm", {"-png", "-r", QString::number(dpi), "-singlefile", writePdf("page.pdf", page), file("page")});
    const QImage image(file("page.png"));
    ASSERT_FALSE(image.isNull());
    const auto centre = [&](const RecordedPage::Op &box) {
        const auto px = [](double twips) { return qRound(pt(twips) / 72 * dpi); };
        return QColor(image.pixel(px((box.x1 + box.x2) / 2), px((box.y1 + box.y2) / 2)));
    };
    const auto &ops = recorded.canvas.ops();
    const auto grey = std::ranges::find(ops, arc::PageCanvas::FillStyle::Solid, &RecordedPage::Op::fill);
    ASSERT_NE(grey, ops.end());
    const QList<RecordedPage::Op> ticked = recorded.canvas.ofKind(RecordedPage::Kind::SolidBox);
    const auto area = [](const RecordedPage::Op &b) { return (b.x2 - b.x1) * (b.y2 - b.y1); };
    QList<RecordedPage::Op> open; // the smallest, a box left to tick
    for (const RecordedPage::Op &box : recorded.canvas.ofKind(RecordedPage::Kind::Box))
        if (box.fill == arc::PageCanvas::FillStyle::Transparent && (open.isEmpty() || area(box) < area(open[0])))
            open = {box};
    ASSERT_EQ(ticked.size(), 1);
    ASSERT_FALSE(open.isEmpty());
    EXPECT_NEAR(centre(*grey).red(), grey->fillColor.red(), 8);
    EXPECT_LT(centre(ticked[0]).red(), 40);
    EXPECT_GT(centre(open[0]).red(), 200);
}

} // namespace
