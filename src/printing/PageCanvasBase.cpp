#include "PageCanvasBase.h"

#include "PageFont.h"

namespace arc {

PageCanvasBase::PageCanvasBase() : m_name(QStringLiteral("Arial")), m_size(PageFont::takenSize(10))
{
    rebuildFont();
}

void PageCanvasBase::rebuildFont()
{
    m_font = PageFont::font(PageFont::resolve(m_name), m_size, m_bold);
    m_metrics.reset();
}

void PageCanvasBase::setFontName(const QString &name)
{
    m_name = name;
    rebuildFont();
}

void PageCanvasBase::setFontSize(double points)
{
    const double taken = takenSize(points);
    if (taken == m_size)
        return;
    m_size = taken;
    rebuildFont();
}

double PageCanvasBase::takenSize(double points) const { return PageFont::takenSize(points); }

void PageCanvasBase::setFontBold(bool bold)
{
    if (bold == m_bold)
        return;
    m_bold = bold;
    rebuildFont();
}

const QFontMetricsF &PageCanvasBase::metrics() const
{
    if (!m_metrics)
        m_metrics.emplace(m_font);
    return *m_metrics;
}

double PageCanvasBase::textWidth(const QString &text) const { return metrics().horizontalAdvance(text) * m_condense; }

QRectF PageCanvasBase::letterArea(double x, double y, const QString &text) const
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    const QRectF letters = metrics().tightBoundingRect(QStringLiteral("Hbdfklgjpqy"));
    const double baseline = y + metrics().ascent();
    return QRectF(QPointF(x, baseline + letters.top()),
                  QPointF(x + textWidth(text.first(end)), baseline + letters.bottom()));
}

double PageCanvasBase::lineHeight() const { return metrics().lineSpacing(); }

void PageCanvasBase::print(const QString &text, bool lineEnd)
{
    drawText(m_x, m_y, text, lineEnd);
    if (lineEnd) {
        m_x = 0;
        m_y += lineHeight();
    } else {
        m_x += textWidth(text);
    }
}

} // namespace arc
