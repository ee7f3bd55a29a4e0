#include "ScreenLock.h"

#include "CertificateScreen.h"
#include "EntryBox.h"
#include "EntryText.h"
#include "ItemGrid.h"
#include "OrganizationChooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace arc {

namespace {

QList<QWidget *> textBoxes(CertificateScreen &s)
{
    return {s.block1Country, s.block3Tracking, s.block4Organization, s.block4Second, s.block5Invoice,
            s.block12Remarks, s.block13dName,  s.block13cNumber,     s.block13eDate, s.block14dName,
            s.block14cNumber, s.block14eDate};
}

QList<QWidget *> choices(CertificateScreen &s)
{
    QList<QWidget *> out{s.formChoice, s.combo3, s.grid1, s.list1, s.list2, s.option1, s.option2, s.combo1,
                         s.combo2, s.block13aApproved, s.block13aNonApproved, s.block14aReturnToService,
                         s.block14aOtherRegulation};
    for (QPushButton *b : s.columnButtons)
        out << b;
    return out;
}

void setReadOnly(QWidget *w, bool on)
{
    if (auto *line = qobject_cast<QLineEdit *>(w))
        line->setReadOnly(on);
    else if (auto *text = qobject_cast<QPlainTextEdit *>(w))
        text->setReadOnly(on);
}

bool isReadOnly(const QWidget *w)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(w))
        return line->isReadOnly();
    const auto *text = qobject_cast<const QPlainTextEdit *>(w);
    return text && text->isReadOnly();
}

} // namespace

ScreenLock::ScreenLock(CertificateScreen &screen, const QList<QWidget *> &panels, QObject *parent)
    : QObject(parent), m_screen(screen)
{
    for (QWidget *p : panels) {
        m_panels << p;
        p->installEventFilter(this);
    }
}

bool ScreenLock::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        follow();
    return QObject::eventFilter(watched, event);
}

void ScreenLock::follow()
{
    bool open = false;
    for (const QPointer<QWidget> &p : std::as_const(m_panels))
        open = open || (p && !p->isHidden() && p->isVisibleTo(p->window()));
    if (open != m_locked)
        open ? lock() : unlock();
}

void ScreenLock::lock()
{
    m_locked = true;
    m_before.clear();
    for (QWidget *w : textBoxes(m_screen)) {
        m_before.insert(w, isReadOnly(w));
        setReadOnly(w, true);
    }
    for (QWidget *w : choices(m_screen)) {
        m_before.insert(w, !w->testAttribute(Qt::WA_ForceDisabled));
        w->setEnabled(false);
    }
}

void ScreenLock::unlock()
{
    m_locked = false;
    for (QWidget *w : textBoxes(m_screen))
        setReadOnly(w, m_before.value(w, false));
    for (QWidget *w : choices(m_screen))
        w->setEnabled(m_before.value(w, true));
    m_before.clear();
}

} // namespace arc
