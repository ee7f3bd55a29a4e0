// A full certificate written as a real PDF file and read back with the
// poppler tools: the words where the layout puts them, the grey and the
// ticked box where they belong, and every word of a long page on the sheet
// and inside the frame in each layout.

#include "DataFolder.h"
#include "PrintCommand.h"
#include "PrintFixtures.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax; // points from the page's top-left
};

// P0 on Letter paper with quarter-inch margins.
using p0::F;
constexpr double kMargin = 18; // points
constexpr double kTolerance = 0.75; // points

double pt(double twips) { return twips / 20.0 + kMargin; }

class PrintPdfTest : public TempFolderTest {
protected:
    QString run(const QString &program, const QStringList &args)
    {
        const QString exe = QStandardPaths::findExecutable(program);
        EXPECT_FALSE(exe.isEmpty()) << program.toStdString() << " (poppler-utils) is needed";
        QProcess p;
        p.start(exe, args);
        EXPECT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    // The page as a PDF file, as the PDF button writes it.
    QString writePdf(const QString &name, const arc::CertificatePage &page)
    {
        const QString pdf = file(name);
        QWidget window;
        ScriptedMessages messages;
        arc::DataFolder closed; // settings come with the page
        EXPECT_TRUE(arc::PrintCommand(messages, closed, [&] { return page; }, &window).writePdf(pdf));
        EXPECT_TRUE(messages.shown.isEmpty());
        return pdf;
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

TEST_F(PrintPdfTest, AFullCertificateWhereTheLayoutPutsIt)
{
    const QString pdf = writePdf("certificate.pdf", fullCertificate());
    const QList<Word> all = words(pdf);
    const auto find = [&](const QString &text) {
        const auto it = std::ranges::find(all, text, &Word::text);
        return it == all.end() ? nullptr : &*it;
    };
    const float x0 = 200 * F, x2 = 8450 * F, m = 3600 * F, h = 5600 * F, xR = 11520 - 5;
    // Left-top corner of the first word of a text.
    const struct {
        const char *word;
        double x, y;
    } placed[] = {
        {"1.", x0 + 30 * F, 10 + 50},
        {"ARC-000123", x2 + 550 * F, 10 + 480},
        {"Wichita,", x0 + 1000 * F, 1300 + 250 + 400},
        {"FUEL", 700 * F + 100 * F, 2900},
        {"Manufactured", x0 + 800 * F, 7000 + 50 + RecordedPage::lineHeight(p0::L, true)},
        {"05/Dec/2026", m + 450 * F, 11800 + 280},
        {"14b.", h + 30 * F, 11000 + 50},
        {"Where", x0 + 150 * F, 13000 + 300},
    };
    for (const auto &p : placed) {
        SCOPED_TRACE(p.word);
        const Word *w = find(p.word);
        ASSERT_NE(w, nullptr);
        EXPECT_NEAR(w->xMin, pt(p.x), kTolerance);
        EXPECT_NEAR(w->yMin, pt(p.y), kTolerance);
    }

    // The NSN ends about one space's width inside the frame's right edge.
    const Word *nsn = find("0052-00-012-9005");
    ASSERT_NE(nsn, nullptr);
    EXPECT_LT(nsn->xMax, pt(xR));
    EXPECT_GT(nsn->xMax, pt(xR) - 4);
    EXPECT_NEAR(nsn->yMin, pt(14000 + 50), kTolerance);

    // Rendered: the grey and the ticked box where they belong.
    constexpr int dpi = 50;
    run("pdftoppm", {"-png", "-r", QString::number(dpi), "-singlefile", pdf, file("page")});
    const QImage page(file("page.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.size(), QSize(425, 550)); // Letter at 50 dpi
    const auto pixel = [&](double xTwips, double yTwips) {
        return QColor(page.pixel(qRound((xTwips / 1440 + 0.25) * dpi), qRound((yTwips / 1440 + 0.25) * dpi)));
    };
    const float n = 9000 * F;
    // Row 0 is NEW: block 14 is grey, block 13 is not.
    EXPECT_NEAR(pixel((h + n) / 2, 11000 + 500).red(), 224, 8);
    EXPECT_GT(pixel(x0 + 2000 * F, 11800 + 600).red(), 245);
    // The approved-design box is ticked, the non-approved one is not.
    EXPECT_LT(pixel(x0 + 375, 9300 + 550).red(), 40);
    EXPECT_GT(pixel(x0 + 375, 9300 + 850).red(), 200);
}

TEST_F(PrintPdfTest, EveryWordOfALongPageOnTheSheetAndInsideTheFrame)
{
    for (const ModeCase &mode : kModeCases) {
        SCOPED_TRACE(mode.name);
        const arc::CertificatePage page = longCertificate(mode.user1);
        // Where the frame's right edge lands on the sheet.
        const RecordedPage recorded(page);
        const RecordedPage::Op box = recorded.canvas.ofKind(RecordedPage::Kind::Box).first();
        const QRectF frame = recorded.canvas.sheetFit().map(QRectF(QPointF(box.x1, box.y1), QPointF(box.x2, box.y2)));
        const QRectF sheet = recorded.canvas.sheet();
        const QList<Word> all = words(writePdf(QString("%1.pdf").arg(mode.name), page));
        ASSERT_GT(all.size(), 400);
        for (const Word &w : all) {
            SCOPED_TRACE(w.text.toStdString());
            EXPECT_GE(w.xMin, pt(sheet.left()) - kTolerance);
            EXPECT_GE(w.yMin, pt(sheet.top()) - kTolerance);
            EXPECT_LE(w.yMax, pt(sheet.bottom()) + kTolerance);
            EXPECT_LE(w.xMax, pt(frame.right()) + kTolerance);
        }
    }
}

} // namespace
