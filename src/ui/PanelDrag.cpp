#include "PanelDrag.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>
#include <algorithm>

namespace arc {

PanelDrag *PanelDrag::attach(QWidget *panel)
{
    auto *drag = new PanelDrag(panel);
    panel->installEventFilter(drag);
    return drag;
}

PanelDrag::PanelDrag(QWidget *panel) : QObject(panel), m_panel(panel) {}

QPoint PanelDrag::keptReachable(QPoint wanted, QSize size, QSize area)
{
    const int strip = std::min(kReachable, size.height());
    const int x = std::clamp(wanted.x(), kReachable - size.width(), std::max(0, area.width() - kReachable));
    const int y = std::clamp(wanted.y(), 0, std::max(0, area.height() - strip));
    return {x, y};
}

bool PanelDrag::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched != m_panel
        || (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
        return QObject::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    QWidget *window = m_panel->parentWidget();
    if (!window)
        return false;
    const QPoint inside = mouse->position().toPoint();
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        m_grab = inside;
        m_corner = m_panel->pos();
        m_dragging = true;
        return true;
    }
    if (type == QEvent::MouseMove && m_dragging && (mouse->buttons() & Qt::LeftButton)) {
        m_corner = keptReachable(m_panel->pos() + inside - m_grab, m_panel->size(), window->size());
        if (!m_outline)
            m_outline = new QRubberBand(QRubberBand::Rectangle, window);
        m_outline->setGeometry(QRect(m_corner, m_panel->size()));
        m_outline->show();
        m_outline->raise();
        return true;
    }
    if (type == QEvent::MouseButtonRelease && m_dragging && mouse->button() == Qt::LeftButton) {
        m_dragging = false;
        if (m_outline)
            m_outline->hide();
        m_panel->move(m_corner);
        window->update();
        return true;
    }
    return false;
}

} // namespace arc
