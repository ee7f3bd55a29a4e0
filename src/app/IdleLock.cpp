#include "IdleLock.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <chrono>

namespace arc {

namespace {

qint64 steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        return true;
    default:
        return false;
    }
}

} // namespace

IdleLock::IdleLock(QObject *parent, Clock clock)
    : QObject(parent), m_clock(clock ? std::move(clock) : Clock(steadyMilliseconds))
{
    m_timer.setInterval(15 * 1000);
    connect(&m_timer, &QTimer::timeout, this, &IdleLock::check);
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

IdleLock::~IdleLock()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void IdleLock::setMinutes(int minutes) { m_minutes = std::max(0, minutes); }

void IdleLock::setActive(bool active)
{
    m_active = active;
    m_lastInput = m_clock();
    if (active)
        m_timer.start();
    else
        m_timer.stop();
}

void IdleLock::check()
{
    if (!m_active || m_minutes <= 0 || m_clock() - m_lastInput < qint64(m_minutes) * 60 * 1000)
        return;
    m_active = false;
    m_timer.stop();
    emit idle();
}

bool IdleLock::eventFilter(QObject *watched, QEvent *event)
{
    if (m_active && isInput(event->type()))
        m_lastInput = m_clock();
    return QObject::eventFilter(watched, event);
}

} // namespace arc
