#include "VerificationMark.h"

#include "CertificatePage.h"
#include "PageCanvas.h"
#include "PageWriter.h"

#include <algorithm>

namespace arc {

namespace {

// Whether the square `code`, with `quiet` around it, lies in `free`. A
// square set against an edge of `free` is measured back from that edge, so
// it may pass it by a rounding of the arithmetic.
bool fits(const QRectF &code, double quiet, const QRectF &free)
{
    constexpr double kRounding = 0.01; // twips
    return free.adjusted(-kRounding, -kRounding, kRounding, kRounding).contains(code.adjusted(-quiet, -quiet, quiet, quiet));
}

} // namespace

QRectF VerificationMark::place(PageWriter &p, const CertificatePage &page, int modules)
{
    PageCanvas &c = p.c;
    const PageGeometry &g = p.g;
    const SheetFit &fit = c.sheetFit();
    const double side = kSheetWidth / fit.scale;
    const double quiet = kQuietModules * side / std::max(modules, 1);
    // The sheet in page twips.
    const QRectF sheet((0 - fit.dx) / fit.scale, (0 - fit.dy) / fit.scale, c.printableWidth() / fit.scale,
                       c.printableHeight() / fit.scale);
    const FormDefinition &form = page.definition();
    // Kept off the rulings as a label is.
    const double gap = g.X(30);

    // Under the frame, left of the text the footer prints at the right. The
    // code itself stays on the sheet; its quiet zone may reach past the
    // sheet's foot into the paper's margin, where nothing is printed (the
    // fewer its modules, the wider its quiet zone).
    p.font(p.mode.body, false);
    const double footerRight =
        form.footerRight.isEmpty() ? g.xR : g.xR - c.textWidth(form.footerRight + QLatin1Char(' '));
    const double footerLeft = g.x0 + c.textWidth(form.footerLeft);
    const QRectF under(QPointF(footerLeft + gap, g.y10 + gap), QPointF(footerRight - gap, sheet.bottom() + quiet));
    const QRectF belowFrame(under.right() - quiet - side, under.top() + quiet, side, side);
    if (fits(belowFrame, quiet, under))
        return belowFrame;

    // Block 3, right of its caption and its number.
    p.font(p.mode.label, false);
    double taken = g.x2 + g.X(30) + c.textWidth(form.numbered(QStringLiteral("3")));
    p.font(p.mode.value, true);
    taken = std::max<double>(taken, g.x2 + g.X(550) + c.textWidth(page.text(PrintedBox::Tracking)));
    const QRectF block3(QPointF(taken + gap, g.y0 + gap), QPointF(g.xR - gap, g.y1 - gap));
    const QRectF inBlock3(block3.right() - quiet - side, (g.y0 + g.y1 - side) / 2, side, side);
    if (fits(inBlock3, quiet, block3))
        return inBlock3;

    // Beside the frame at the right, level with the footer.
    return QRectF(g.xR + gap + quiet, std::min<double>(g.y10, sheet.bottom() - quiet - side), side, side);
}

std::optional<QRectF> VerificationMark::print(PageWriter &p, const CertificatePage &page)
{
    if (page.verification.isEmpty())
        return std::nullopt;
    const QRectF square = place(p, page, page.verification.width());
    p.c.darkSquares(squares(page.verification, square));
    return square;
}

QList<QRectF> VerificationMark::squares(const QrMatrix &code, const QRectF &square)
{
    QList<QRectF> out;
    if (code.isEmpty())
        return out;
    const double module = square.width() / code.width();
    for (int y = 0; y < code.width(); ++y) {
        // A run of dark modules in a row is one rectangle.
        for (int x = 0; x < code.width();) {
            if (!code.dark(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < code.width() && code.dark(x, y))
                ++x;
            out << QRectF(square.left() + start * module, square.top() + y * module, (x - start) * module, module);
        }
    }
    return out;
}

} // namespace arc
