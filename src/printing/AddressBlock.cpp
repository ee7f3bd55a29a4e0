#include "AddressBlock.h"

#include "AddressLines.h"
#include "PageCanvas.h"
#include "StackFit.h"

#include <algorithm>

namespace arc {

AddressBlock AddressBlock::of(PageCanvas &c, const QString &left, const QString &right, double size, double pitch,
                              double height)
{
    AddressBlock block{{addressLines(left), addressLines(right)}, size, pitch};
    const qsizetype lines = std::max(block.columns[0].size(), block.columns[1].size());
    c.setFontBold(false);
    c.setTextCondense(1);
    c.setFontSize(size);
    const double designedGap = std::max(0.0, pitch - c.lineHeight());
    const auto measure = [&](double at) {
        c.setFontSize(at);
        return StackFit::Stack{lines * c.lineHeight(), static_cast<int>(std::max<qsizetype>(0, lines - 1))};
    };
    const StackFit fit = StackFit::of(size, designedGap, height, measure);
    c.setFontSize(fit.size);
    block.size = c.fontSize();
    // The designed pitch stays where it fits, exactly.
    block.pitch = fit.gap == designedGap && fit.size == size ? pitch : c.lineHeight() + fit.gap;
    for (QStringList &column : block.columns) {
        while (!column.isEmpty() && (column.size() - 1) * block.pitch + c.lineHeight() > height + StackFit::kSlack) {
            column.removeLast();
            block.overflow = true;
        }
    }
    return block;
}

} // namespace arc
