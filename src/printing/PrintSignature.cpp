#include "PrintSignature.h"

#include "PageCanvas.h"

#include <QPainter>

namespace arc {

namespace {

// Dots per metre of an image that does not say (96 dpi).
constexpr float kDefaultDotsPerMetre = 3780.0f;

// A scanned page is rarely pure white: channels this light are paper.
constexpr int kPaper = 240;

// The image's size along one axis in its own unit, hundredths of a
// millimetre, from its pixels and resolution.
float himetric(int pixels, int dotsPerMetre)
{
    const float dpm = dotsPerMetre > 0 ? static_cast<float>(dotsPerMetre) : kDefaultDotsPerMetre;
    return static_cast<float>(pixels) / dpm * 100000.0f;
}

} // namespace

std::optional<QRectF> signaturePlacement(const QImage &image, float bx, float by, float bw, float bh)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0 || bw <= 0 || bh <= 0)
        return std::nullopt;
    const float width = himetric(image.width(), image.dotsPerMeterX()) * 1440.0f / 2540.0f;
    const float height = himetric(image.height(), image.dotsPerMeterY()) * 1440.0f / 2540.0f;
    const float r = width / height;
    const float q = bw / bh;
    float drawnWidth, drawnHeight;
    if (r <= q) {
        drawnHeight = bh;
        drawnWidth = r * bh;
    } else {
        drawnWidth = bw;
        drawnHeight = bw / r;
    }
    const float left = bx + (bw - drawnWidth) / 2.0f;
    const float top = by + (bh - drawnHeight) / 2.0f;
    return QRectF(left, top, drawnWidth, drawnHeight);
}

QImage signatureInk(const QImage &image)
{
    QImage ink = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < ink.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(ink.scanLine(y));
        for (int x = 0; x < ink.width(); ++x)
            if (qRed(line[x]) >= kPaper && qGreen(line[x]) >= kPaper && qBlue(line[x]) >= kPaper)
                line[x] = qRgba(255, 255, 255, 0);
    }
    return ink;
}

QImage signatureAsPrinted(const QImage &image, const QSize &box)
{
    QImage paper(box, QImage::Format_RGB32);
    paper.fill(Qt::white);
    const auto at = signaturePlacement(image, 0, 0, static_cast<float>(box.width()), static_cast<float>(box.height()));
    if (at) {
        QPainter p(&paper);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(*at, signatureInk(image));
    }
    return paper;
}

void PrintSignature(PageCanvas &canvas, const QImage &image, float bx, float by, float bw, float bh)
{
    if (const auto at = signaturePlacement(image, bx, by, bw, bh))
        canvas.picture(signatureInk(image), at->x(), at->y(), at->width(), at->height());
}

} // namespace arc
