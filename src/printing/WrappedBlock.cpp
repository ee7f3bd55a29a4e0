#include "WrappedBlock.h"

#include "PageCanvas.h"
#include "StackFit.h"
#include "WrapToWidth.h"

namespace arc {

QStringList WrappedBlock::cellLines(const PageCanvas &canvas, const QString &value, double width, int fetchLimit,
                                    bool *cutToTen)
{
    QStringList lines = value.isEmpty() ? QStringList() : WrapToWidth(value, width, fetchLimit, canvas);
    const bool cut = lines.size() > kMaxLines;
    if (cut)
        lines.resize(kMaxLines);
    if (cutToTen)
        *cutToTen = cut;
    return lines;
}

WrappedBlock WrappedBlock::of(PageCanvas &c, const QString &value, double size, double width, int fetchLimit,
                              double height)
{
    c.setFontBold(false);
    c.setTextCondense(1);
    const auto measure = [&](double at) {
        c.setFontSize(at);
        return StackFit::Stack{cellLines(c, value, width, fetchLimit).size() * c.lineHeight(), 0};
    };
    const StackFit fit = StackFit::of(size, 0, height, measure);
    c.setFontSize(fit.size);
    WrappedBlock block{{}, c.fontSize()};
    block.lines = cellLines(c, value, width, fetchLimit, &block.cutToTen);
    while (!block.lines.isEmpty() && block.lines.size() * c.lineHeight() > height + StackFit::kSlack) {
        block.lines.removeLast();
        block.overflow = true;
    }
    return block;
}

} // namespace arc
