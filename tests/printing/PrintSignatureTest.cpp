// Placing the signature image in its box: proportions kept, centred.

#include "PrintSignature.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

QImage image(int width, int height)
{
    QImage i(width, height, QImage::Format_RGB32);
    i.fill(Qt::white);
    return i;
}

void expectRect(const std::optional<QRectF> &r, double x, double y, double w, double h)
{
    ASSERT_TRUE(r.has_value());
    EXPECT_NEAR(r->x(), x, 0.01);
    EXPECT_NEAR(r->y(), y, 0.01);
    EXPECT_NEAR(r->width(), w, 0.01);
    EXPECT_NEAR(r->height(), h, 0.01);
}

TEST(PrintSignatureTest, FitsTheBoxKeepingItsProportionsCentred)
{
    // Box 2000 x 1000 at (100, 200).
    // A square image fills the height and is centred across.
    expectRect(arc::signaturePlacement(image(50, 50), 100, 200, 2000, 1000), 100 + 500, 200, 1000, 1000);
    // Three times as wide as high: fills the width, centred down.
    expectRect(arc::signaturePlacement(image(300, 100), 100, 200, 2000, 1000), 100, 200 + (1000 - 2000.0 / 3) / 2,
               2000, 2000.0 / 3);
    // Exactly the box's proportion: fills it.
    expectRect(arc::signaturePlacement(image(200, 100), 100, 200, 2000, 1000), 100, 200, 2000, 1000);
}

TEST(PrintSignatureTest, ProportionsInTheImagesOwnUnits)
{
    // Square in pixels, but twice the dots per metre across: half as wide
    // as high on paper.
    QImage i = image(100, 100);
    i.setDotsPerMeterX(7560);
    i.setDotsPerMeterY(3780);
    expectRect(arc::signaturePlacement(i, 0, 0, 1000, 1000), 250, 0, 500, 1000);
}

TEST(PrintSignatureTest, NothingWithoutAnImage)
{
    EXPECT_FALSE(arc::signaturePlacement(QImage(), 0, 0, 1000, 500));
    arc::RecordingCanvas canvas;
    arc::printSignature(canvas, QImage(), 0, 0, 1000, 500);
    EXPECT_TRUE(canvas.ops().isEmpty());
    arc::printSignature(canvas, image(40, 20), 10, 20, 1000, 500);
    ASSERT_EQ(canvas.ofKind(arc::RecordingCanvas::Op::Kind::Picture).size(), 1);
    const auto pic = canvas.ops().first();
    EXPECT_EQ(pic.image.size(), QSize(40, 20));
    EXPECT_NEAR(pic.x2, 1000, 0.01);
    EXPECT_NEAR(pic.y2, 500, 0.01);
}

} // namespace
