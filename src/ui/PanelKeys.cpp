#include "PanelKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace arc {

PanelKeys::PanelKeys(QWidget *panel, QAbstractButton *closeButton, QAbstractButton *defaultButton)
    : QObject(panel), m_close(closeButton), m_default(defaultButton)
{
    panel->installEventFilter(this);
}

void PanelKeys::attach(QWidget *panel, QAbstractButton *closeButton, QAbstractButton *defaultButton)
{
    new PanelKeys(panel, closeButton, defaultButton);
}

bool PanelKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    QAbstractButton *target = nullptr;
    if (key->key() == Qt::Key_Escape)
        target = m_close;
    else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        target = m_default;
    if (!target || !target->isVisible() || !target->isEnabled())
        return false;
    target->click();
    return true;
}

} // namespace arc
