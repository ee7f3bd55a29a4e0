#pragma once

#include <QImage>
#include <QRectF>
#include <optional>

namespace arc {

class PageCanvas;

// Where the signature image goes in the box (bx, by, bw, bh): as large as
// fits with its own proportions, centred. Nothing for an image without
// width or height. Single precision, as the box.
std::optional<QRectF> signaturePlacement(const QImage &image, float bx, float by, float bw, float bh);

// The signature's ink alone: its white paper made transparent, so that
// what lies under it (a label, the grey of a block) shows through.
QImage signatureInk(const QImage &image);

// The signature as printed into a box of `box` pixels: its ink on white
// paper, placed as on the page.
QImage signatureAsPrinted(const QImage &image, const QSize &box);

// Draw the signature's ink into the box.
void PrintSignature(PageCanvas &canvas, const QImage &image, float bx, float by, float bw, float bh);

} // namespace arc
