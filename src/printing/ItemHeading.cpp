#include "ItemHeading.h"

#include "FormDefinition.h"
#include "PageGeometry.h"
#include "PageWriter.h"

namespace arc::ItemHeading {

void print(PageWriter &p, const FormDefinition &form, float top)
{
    const PageGeometry &g = p.g;
    const float heading = top + g.Y(40);
    p.label(g.x0 + g.X(30), heading, g.c7, form.numbered(QStringLiteral("6")));
    const struct {
        float border, next, numberAt, captionAt;
        const char *block;
    } captions[] = {{g.c7, g.c8, 30, 1000, "7"},
                    {g.c8, g.c9, 30, 600, "8"},
                    {g.c9, g.c10, 30, 170, "9"},
                    {g.c10, g.c11, 30, 350, "10"},
                    {g.c11, g.xR, 30, 400, "11"}};
    for (const auto &cap : captions) {
        const QString block = QString::fromLatin1(cap.block);
        p.label(cap.border + g.X(cap.numberAt), heading, cap.next, block + QLatin1Char('.'));
        p.label(cap.border + g.X(cap.captionAt), heading, cap.next, form.caption(block).value(0));
    }
}

} // namespace arc::ItemHeading
