#include "PrintSignature.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

QImage image(int width, int height, int dotsPerMetreX = 3780)
{
    QImage i(width, height, QImage::Format_RGB32);
    i.fill(Qt::white);
    i.setDotsPerMeterX(dotsPerMetreX);
    i.setDotsPerMeterY(3780);
    return i;
}

TEST(PrintSignatureTest, FitsTheBoxKeepingItsProportionsCentred)
{
    // Into a box 2000 x 1000 at (100, 200): a square fills the height,
    // centred across; three times as wide as high fills the width, centred
    // down; twice as wide fills the box. Twice the dots per metre across
    // makes a square of pixels half as wide on paper.
    const struct {
        QImage image;
        QRectF placed;
    } cases[] = {{image(50, 50), {600, 200, 1000, 1000}},
                 {image(300, 100), {100, 200 + (1000 - 2000.0 / 3) / 2, 2000, 2000.0 / 3}},
                 {image(200, 100), {100, 200, 2000, 1000}},
                 {image(100, 100, 7560), {850, 200, 500, 1000}}};
    for (const auto &c : cases) {
        const auto at = arc::signaturePlacement(c.image, 100, 200, 2000, 1000);
        ASSERT_TRUE(at.has_value());
        for (auto [got, want] : {std::pair{at->x(), c.placed.x()}, {at->y(), c.placed.y()},
                                 {at->width(), c.placed.width()}, {at->height(), c.placed.height()}})
            EXPECT_NEAR(got, want, 0.01) << c.image.width() << "x" << c.image.height();
    }

    // No image, nothing drawn.
    EXPECT_FALSE(arc::signaturePlacement(QImage(), 0, 0, 1000, 500));
    arc::RecordingCanvas canvas;
    arc::PrintSignature(canvas, QImage(), 0, 0, 1000, 500);
    EXPECT_TRUE(canvas.ops().isEmpty());
}

TEST(PrintSignatureTest, OnlyTheInkIsDrawnThePaperLetsWhatIsUnderShow)
{
    QImage scan = image(3, 1);
    scan.setPixel(0, 0, qRgb(20, 20, 120));  // ink
    scan.setPixel(1, 0, qRgb(245, 242, 250)); // paper, not quite white
    arc::RecordingCanvas canvas;
    arc::PrintSignature(canvas, scan, 0, 0, 300, 100);
    ASSERT_EQ(canvas.ops().size(), 1);
    const QImage drawn = canvas.ops().first().image;
    EXPECT_EQ(drawn.pixel(0, 0), qRgba(20, 20, 120, 255));
    EXPECT_EQ(qAlpha(drawn.pixel(1, 0)), 0);
    EXPECT_EQ(qAlpha(drawn.pixel(2, 0)), 0);
}

} // namespace
