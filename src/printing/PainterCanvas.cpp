#include "PainterCanvas.h"

#include <QPainterPath>

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QTransform>

namespace arc {

namespace {

QRectF corners(double x1, double y1, double x2, double y2)
{
    return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
}

} // namespace

PainterCanvas::PainterCanvas(QPagedPaintDevice &device) : m_device(device) {}

PainterCanvas::~PainterCanvas()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PainterCanvas::setOrientation(Orientation orientation)
{
    m_device.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
}

PageCanvas::Orientation PainterCanvas::orientation() const
{
    return m_device.pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                         : Orientation::Portrait;
}

double PainterCanvas::printableWidth() const
{
    // One point is 20 twips.
    return m_device.pageLayout().paintRect(QPageLayout::Point).width() * 20.0;
}

double PainterCanvas::printableHeight() const
{
    return m_device.pageLayout().paintRect(QPageLayout::Point).height() * 20.0;
}

void PainterCanvas::setSheetFit(const SheetFit &fit)
{
    PageCanvasBase::setSheetFit(fit);
    if (m_painter.isActive())
        placePage();
}

void PainterCanvas::placePage()
{
    QTransform t = QTransform::fromScale(m_device.logicalDpiX() / 1440.0, m_device.logicalDpiY() / 1440.0);
    t.translate(sheetFit().dx, sheetFit().dy);
    t.scale(sheetFit().scale, sheetFit().scale);
    m_painter.setWorldTransform(t);
}

bool PainterCanvas::begin()
{
    if (m_painter.isActive()) {
        if (m_pageEnded) {
            m_pageEnded = false;
            if (!m_device.newPage()) {
                m_failed = true;
                return false;
            }
            placePage();
        }
        return true;
    }
    if (m_failed || m_ended)
        return false;
    if (!m_painter.begin(&m_device)) {
        m_failed = true;
        return false;
    }
    placePage();
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    return true;
}

QPen PainterCanvas::pen() const
{
    // Cosmetic: the width is device pixels, whatever the twips scale.
    QPen p(Qt::black, lineWidth());
    p.setCosmetic(true);
    return p;
}

void PainterCanvas::drawText(double x, double y, const QString &text, bool)
{
    if (text.isEmpty() || !begin())
        return;
    m_painter.setFont(font());
    m_painter.setPen(Qt::black);
    m_painter.setBackgroundMode(transparentText() ? Qt::TransparentMode : Qt::OpaqueMode);
    m_painter.setBackground(Qt::white);
    const QPointF baseline(x, y + metrics().ascent());
    if (textCondense() == 1) {
        m_painter.drawText(baseline, text);
        return;
    }
    m_painter.save();
    m_painter.translate(baseline);
    m_painter.scale(textCondense(), 1);
    m_painter.drawText(QPointF(0, 0), text);
    m_painter.restore();
}

void PainterCanvas::line(double x1, double y1, double x2, double y2)
{
    if (!begin())
        return;
    m_painter.setPen(pen());
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterCanvas::box(double x1, double y1, double x2, double y2)
{
    if (!begin())
        return;
    m_painter.setPen(pen());
    m_painter.setBrush(fillStyle() == FillStyle::Solid ? QBrush(fillColor()) : QBrush(Qt::NoBrush));
    m_painter.drawRect(corners(x1, y1, x2, y2));
}

void PainterCanvas::solidBox(double x1, double y1, double x2, double y2)
{
    if (!begin())
        return;
    m_painter.setPen(pen());
    m_painter.setBrush(Qt::black);
    m_painter.drawRect(corners(x1, y1, x2, y2));
}

void PainterCanvas::picture(const QImage &image, double x, double y, double width, double height)
{
    if (image.isNull() || !begin())
        return;
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(QRectF(x, y, width, height), image);
}

void PainterCanvas::newPage()
{
    // A page with nothing drawn still comes out.
    if (begin())
        m_pageEnded = true;
}

void PainterCanvas::darkSquares(const QList<QRectF> &squares)
{
    if (squares.isEmpty() || !begin())
        return;
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    for (const QRectF &square : squares)
        shape.addRect(square);
    m_painter.fillPath(shape, Qt::black);
}

void PainterCanvas::endJob()
{
    // A job with nothing drawn still gives its (empty) page.
    begin();
    if (m_keepOpen) {
        m_pageEnded = true;
        return;
    }
    if (m_painter.isActive())
        m_painter.end();
    m_ended = true;
}

void PainterCanvas::finishJob()
{
    m_keepOpen = false;
    m_pageEnded = false;
    if (m_painter.isActive())
        m_painter.end();
    m_ended = true;
}

} // namespace arc
