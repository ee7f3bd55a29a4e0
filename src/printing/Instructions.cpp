#include "Instructions.h"

#include "FormDefinition.h"
#include "PageCanvas.h"
#include "PageWriter.h"
#include "ParagraphLines.h"
#include "PrintMode.h"

#include <algorithm>

namespace arc::Instructions {

// The second paragraph as wide as the remarks reach.
void print(PageWriter &p, const FormDefinition &form)
{
    const PageGeometry &g = p.g;
    p.centred(p.mode.value, true, g.x0, g.xR, g.y8 + g.Y(50), form.userInstallerTitle);
    const float x = g.x0 + g.X(150);
    p.fitted(p.mode.instruction, false, x, g.y9 + g.Y(150), g.before(g.xR), form.userInstallerFirst);
    const float limit = std::min(g.x0 + g.textLimit, g.before(g.xR));
    p.font(p.mode.instruction, false);
    const QStringList lines = paragraphLines(p.c, form.userInstallerSecond, limit - x, 4);
    const float ys[] = {300, 450, 600, 760};
    for (int i = 0; i < lines.size(); ++i)
        p.fitted(p.mode.instruction, false, x, g.y9 + g.Y(ys[i]), limit, lines[i], PageWriter::fixedTextTooLong(),
                 i + 1 < lines.size());
}

} // namespace arc::Instructions
