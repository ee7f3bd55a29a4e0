#include "PageWriter.h"

#include "LineFit.h"
#include "PageCanvas.h"
#include "PrintMode.h"

namespace arc {

PageWriter::PageWriter(PageCanvas &canvas, const PrintMode &mode, const PageGeometry &g,
                       const TruncationNotice &notice, PrintResult &result)
    : c(canvas), mode(mode), g(g), m_notice(notice), m_result(result)
{
}

QString PageWriter::fixedTextTooLong()
{
    // Fixed texts fit at every size the page uses; this is said only
    // should a font be far wider than designed.
    return tr("Page text too long");
}

void PageWriter::font(double size, bool bold)
{
    c.setTextCondense(1);
    c.setFontSize(size);
    c.setFontBold(bold);
}

void PageWriter::at(float x, float y)
{
    c.setCurrentX(x);
    c.setCurrentY(y);
}

void PageWriter::text(double size, bool bold, float x, float y, const QString &s, bool lineEnd)
{
    font(size, bold);
    at(x, y);
    c.print(s, lineEnd);
}

void PageWriter::fitted(double size, bool bold, float x, float y, float limit, const QString &s,
                        const QString &title, bool lineEnd)
{
    const LineFit fit = LineFit::of(c, s, size, bold, limit - x);
    if (fit.cut)
        tell(title);
    at(x, y);
    c.print(fit.text, lineEnd);
}

void PageWriter::print(const LineFit &line, float x, float y, bool lineEnd)
{
    font(line.size, line.bold);
    c.setTextCondense(line.condense);
    at(x, y);
    c.print(line.text, lineEnd);
}

void PageWriter::label(float x, float y, float ruling, const QString &s)
{
    fitted(mode.label, true, x, y, g.before(ruling), s);
}

void PageWriter::centred(double size, bool bold, float a, float b, float y, const QString &s, const QString &title)
{
    const LineFit fit = LineFit::of(c, s, size, bold, (b - a) - 2 * g.X(30));
    if (fit.cut)
        tell(title);
    c.setCurrentY(y);
    c.setCurrentX((a + b) / 2.0f - c.textWidth(fit.text) / 2.0);
    c.print(fit.text);
}

void PageWriter::lines(const QStringList &lines, float x)
{
    for (const QString &line : lines) {
        c.setCurrentX(x);
        c.print(line);
    }
}

void PageWriter::tell(const QString &title)
{
    m_result.truncatedCells << title;
    if (m_notice)
        m_notice(title);
}

} // namespace arc
