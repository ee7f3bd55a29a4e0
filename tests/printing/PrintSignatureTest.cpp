// Placing the signature image in its box: proportions kept, centred.

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

} // namespace
