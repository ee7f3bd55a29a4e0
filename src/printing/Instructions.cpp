#include "Instructions.h"

#include "PageCanvas.h"
#include "PageWriter.h"
#include "ParagraphLines.h"
#include "PrintMode.h"

#include <algorithm>

namespace arc::Instructions {

namespace {

const QString kFirstParagraph = QStringLiteral(
    "It is important to understand that the existence of this document alone does not automatically constitute "
    "authority to install the aircraft engine/propeller/article.");

const QString kSecondParagraph = QStringLiteral(
    "Where the user/installer performs work in accordance with the national regulations of an airworthiness "
    "authority different than the airworthiness authority of the country specified in block 1, it is essential "
    "that the user/installer ensures that his/her airworthiness authority accepts aircraft "
    "engine(s)/propeller(s)/article(s) from the airworthiness authority of the country specified in block 1. "
    "Statements in block 13a and 14a do not constitute installation certification. In all cases, aircraft "
    "maintenance records must contain an installation certification issued in accordance with the national "
    "regulations by the user/installer before the aircraft may be flown.");

} // namespace

// The second paragraph as wide as the remarks reach.
void print(PageWriter &p)
{
    const PageGeometry &g = p.g;
    p.centred(p.mode.value, true, g.x0, g.xR, g.y8 + g.Y(50), QStringLiteral("User/Installer Responsibilities"));
    const float x = g.x0 + g.X(150);
    p.fitted(p.mode.instruction, false, x, g.y9 + g.Y(150), g.before(g.xR), kFirstParagraph);
    const float limit = std::min(g.x0 + 10800.0f, g.before(g.xR));
    p.font(p.mode.instruction, false);
    const QStringList lines = paragraphLines(p.c, kSecondParagraph, limit - x, 4);
    const float ys[] = {300, 450, 600, 760};
    for (int i = 0; i < lines.size(); ++i)
        p.fitted(p.mode.instruction, false, x, g.y9 + g.Y(ys[i]), limit, lines[i], PageWriter::fixedTextTooLong(),
                 i + 1 < lines.size());
}

} // namespace arc::Instructions
