#pragma once

#include <QStringList>

namespace arc {

class PageCanvas;

// A paragraph broken between words into at most `maxLines` lines of
// `width` in the canvas's font. When the font is too wide for that many
// lines, the lines are broken as if condensed, down to
// LineFit::kMinCondense, and past that the last line takes the rest: each
// line is then drawn condensed to its width.
QStringList paragraphLines(PageCanvas &canvas, const QString &text, double width, int maxLines);

} // namespace arc
