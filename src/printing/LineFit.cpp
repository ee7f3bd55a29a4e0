#include "LineFit.h"

#include "PageCanvas.h"

#include <algorithm>

namespace arc {

namespace {

constexpr double kSizeStep = 0.05; // the smallest step a canvas takes

QString withoutTrailingBlanks(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.first(end);
}

} // namespace

LineFit LineFit::of(PageCanvas &c, const QString &text, double size, bool bold, double room)
{
    const QString visible = withoutTrailingBlanks(text);
    c.setFontBold(bold);
    c.setTextCondense(1);
    c.setFontSize(size);
    LineFit fit{text, c.fontSize(), bold};
    double width = c.textWidth(visible);
    if (width <= room)
        return fit;
    if (width * kMinCondense <= room) {
        fit.condense = room / width;
        c.setTextCondense(fit.condense);
        return fit;
    }
    // Widths grow with the size: start from the proportional guess and
    // step down until the condensed line fits.
    const double smallest = std::min(c.fontSize(), c.takenSize(kMinSize));
    double tried = std::max(smallest, c.takenSize(size * room / (width * kMinCondense)));
    for (;;) {
        c.setFontSize(tried);
        width = c.textWidth(visible);
        if (width * kMinCondense <= room || tried <= smallest)
            break;
        tried = std::max(smallest, c.takenSize(tried - kSizeStep));
    }
    fit.size = c.fontSize();
    fit.condense = width > 0 ? std::clamp(room / width, kMinCondense, 1.0) : 1.0;
    c.setTextCondense(fit.condense);
    if (width * kMinCondense <= room)
        return fit;
    // Even the smallest, narrowest line is too wide: keep what fits.
    qsizetype keep = visible.size();
    while (keep > 0 && c.textWidth(visible.first(keep)) > room)
        --keep;
    fit.text = visible.first(keep);
    fit.cut = true;
    return fit;
}

} // namespace arc
