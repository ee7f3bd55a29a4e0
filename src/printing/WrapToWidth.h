#pragma once

#include <QStringList>

namespace arc {

class PageCanvas;

// The lines a word-wrapping text box of `width` twips shows `text` in, on
// the canvas's current font: broken at every line break (CR LF, or a lone
// LF or CR), at spaces when the next word would pass the width (the spaces
// stay at the end of the line), and inside a word wider than the column;
// never at hyphens. Each line is then cut to `fetchLimit` characters.
QStringList WrapToWidth(const QString &text, double width, int fetchLimit, const PageCanvas &canvas);

} // namespace arc
