// The QR code of an issued page: in space the form leaves blank in every
// layout and form, at least 15 mm wide with its quiet zone clear, and read
// back by a scanner exactly as made, from the recording and from the PDF.

#include "PagesPdf.h"
#include "PrintFixtures.h"
#include "QrEncoding.h"
#include "QrScan.h"
#include "TempFolder.h"
#include "VerificationMark.h"

#include <QPainter>
#include <QStandardPaths>

namespace {

using Op = RecordedPage::Op;
using Kind = RecordedPage::Kind;

constexpr double kTwipsPerMm = 1440 / 25.4;

// The longest a code gets: the plain text of a long number on the longest form name.
const QString kLongest = "ARC8130 FORM=UK CAA Form 1 (maintenance);TRACKING=WWWWWWWWWWWWWWW;SHA256="
                         "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08";
const QString kAddress = "https://verify.velloran.example/c/ARC-000123?k=T6DNBAEIRR6GLGRP";
// Codes of every size a page gets, from the fewest modules (the widest
// quiet zone) to the most.
const QString kPayloads[] = {"https://v.example/c/1?k=T6DNBAEIRR6GLGRPWXYZ",
                             "https://verify.acme.example/c/000102?k=XNIOPQBJPDTIN3ZDKRBN", kAddress, kLongest};

// P0, P1, LS, EASA maintenance, EASA production, UK maintenance, UK production.
const std::vector<SheetLayout> kLayouts = everyLayout();

arc::CertificatePage codedPage(const SheetLayout &layout, const QString &payload)
{
    arc::CertificatePage p = fullCertificate();
    p.form = layout.form;
    p.settings.orientation = layout.user1;
    p.tracking = "WWWWWWWWWWWWWWW";
    p.verification = arc::QrEncoding::of(payload).value();
    return p;
}

// The one DarkSquares operation of a page, or a failure.
std::optional<Op> codeOf(const arc::RecordingCanvas &c)
{
    const QList<Op> codes = c.ofKind(Kind::DarkSquares);
    EXPECT_EQ(codes.size(), 1);
    return codes.isEmpty() ? std::nullopt : std::optional<Op>(codes.front());
}

bool intersects(const QRectF &a, const QRectF &b) { return a.intersects(b) && !a.intersected(b).isEmpty(); }

class VerificationMarkTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        if (QStandardPaths::findExecutable("zbarimg").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
            GTEST_SKIP() << "zbarimg (zbar-tools) and pdftoppm (poppler-utils) are needed";
    }
};

} // namespace

TEST(VerificationMarkPlaceTest, ClearOfEveryTextAndRulingOnTheSheetAtLeast15mmWide)
{
    for (const SheetLayout &layout : kLayouts)
    for (const QString &payload : kPayloads) {
        SCOPED_TRACE(layout.name() + " " + payload.toStdString());
        const RecordedPage r(codedPage(layout, payload));
        const std::optional<Op> code = codeOf(r.canvas);
        ASSERT_TRUE(code);
        const QRectF square(QPointF(code->x1, code->y1), QPointF(code->x2, code->y2));
        const double module = square.width() / arc::QrEncoding::of(payload)->width();
        const double quiet = arc::VerificationMark::kQuietModules * module;
        const QRectF clear = square.adjusted(-quiet, -quiet, quiet, quiet);
        const QRectF onSheet = r.canvas.sheetFit().map(square);
        EXPECT_GE(onSheet.width(), 15 * kTwipsPerMm);
        EXPECT_TRUE(r.canvas.sheet().contains(onSheet)) << "on the sheet";
        // Its quiet zone may reach past the sheet's foot into the margin, where nothing is printed.
        const QRectF quietOnSheet = r.canvas.sheetFit().map(clear);
        EXPECT_TRUE(r.canvas.sheet().adjusted(0, 0, 0, quietOnSheet.bottom() - onSheet.bottom()).contains(quietOnSheet));
        for (const Op &text : r.canvas.allTexts())
            EXPECT_FALSE(intersects(text.area, clear)) << "over \"" << text.text.toStdString() << '"';
        for (const Op &op : r.canvas.ops()) {
            if (op.kind != Kind::Line && op.kind != Kind::Box && op.kind != Kind::SolidBox && op.kind != Kind::Picture)
                continue;
            const QRectF outline = op.kind == Kind::Picture ? QRectF(op.x1, op.y1, op.x2, op.y2)
                                                            : QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
            const QList<QLineF> edges = {{outline.topLeft(), outline.topRight()},
                                         {outline.bottomLeft(), outline.bottomRight()},
                                         {outline.topLeft(), outline.bottomLeft()},
                                         {outline.topRight(), outline.bottomRight()}};
            for (const QLineF &e : edges) {
                const QRectF ruling = QRectF(e.p1(), e.p2()).normalized().adjusted(-1, -1, 1, 1);
                EXPECT_FALSE(intersects(ruling, clear))
                    << "a ruling at (" << ruling.x() << ", " << ruling.y() << ") " << ruling.width() << "x"
                    << ruling.height() << " crosses it";
            }
            const bool filled =
                op.kind == Kind::SolidBox || (op.kind == Kind::Box && op.fill == arc::PageCanvas::FillStyle::Solid);
            EXPECT_FALSE(filled && intersects(outline, clear)) << "a filled box covers it";
        }
    }
}

// A draft, or a page whose code was not made, carries none.
TEST(VerificationMarkPlaceTest, ADraftCarriesNoCode)
{
    const RecordedPage r(fullCertificate());
    EXPECT_TRUE(r.canvas.ofKind(Kind::DarkSquares).isEmpty());
}

TEST(VerificationMarkPlaceTest, TextNoCodeCanHoldIsRefused)
{
    EXPECT_FALSE(arc::QrEncoding::of(QString(3000, 'x')).has_value());
    EXPECT_FALSE(arc::QrEncoding::of(QString()).has_value());
}

// The recorded squares painted at 300 dpi, as a printer would, and scanned.
TEST_F(VerificationMarkTest, TheRecordedPageScansAsTheAddress)
{
    for (const SheetLayout &layout : {kLayouts[0], kLayouts[2], kLayouts[5]}) {
        SCOPED_TRACE(layout.name());
        const RecordedPage r(codedPage(layout, kAddress));
        const QRectF sheet = r.canvas.sheet();
        const double dots = 300.0 / 1440;
        QImage image(int(sheet.width() * dots), int(sheet.height() * dots), QImage::Format_Grayscale8);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(dots, dots);
        for (const Op &op : r.canvas.ofKind(Kind::DarkSquares))
            for (const QRectF &q : op.squares)
                painter.fillRect(r.canvas.sheetFit().map(q), Qt::black);
        painter.end();
        const QString png = file("recorded.png");
        ASSERT_TRUE(image.save(png));
        EXPECT_EQ(scannedQr(png), kAddress);
    }
}

TEST_F(VerificationMarkTest, ThePdfScansAsTheAddress)
{
    for (const SheetLayout &layout : {kLayouts[1], kLayouts[2], kLayouts[3]}) {
        SCOPED_TRACE(layout.name());
        writeFile(file("page.pdf"), arc::PagesPdf::bytes({codedPage(layout, kAddress)}));
        EXPECT_EQ(scannedPdf(file("page.pdf"), file("page.png")), kAddress);
    }
}
