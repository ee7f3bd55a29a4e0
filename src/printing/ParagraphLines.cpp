#include "ParagraphLines.h"

#include "LineFit.h"
#include "PageCanvas.h"
#include "WrapToWidth.h"

namespace arc {

namespace {

constexpr double kCondenseStep = 0.01;
constexpr int kNoFetchLimit = 1 << 20;

} // namespace

QStringList paragraphLines(PageCanvas &c, const QString &text, double width, int maxLines)
{
    c.setTextCondense(1);
    QStringList lines = WrapToWidth(text, width, kNoFetchLimit, c);
    for (double condense = 1 - kCondenseStep; lines.size() > maxLines && condense >= LineFit::kMinCondense;
         condense -= kCondenseStep)
        lines = WrapToWidth(text, width / condense, kNoFetchLimit, c);
    if (lines.size() > maxLines) {
        const QStringList rest = lines.mid(maxLines - 1);
        lines.resize(maxLines - 1);
        lines << rest.join(QString());
    }
    return lines;
}

} // namespace arc
