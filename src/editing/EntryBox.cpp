#include "EntryBox.h"

#include "DateText.h"
#include "EntryLimit.h"
#include "NulRefusal.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QKeyEvent>
#include <QMenu>
#include <climits>

namespace arc {

EntryBox::EntryBox(const char *objectName, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    // Dropped text would pass by the limit.
    setDragEnabled(false);
    setAcceptDrops(false);
    refuseNul(this);
}

void EntryBox::setEntryLimit(int characters)
{
    m_limit = characters;
    setToolTip(EntryLimit::toolTip(characters));
}

QString EntryBox::entryName() const { return EntryLimit::boxName(*this); }

bool EntryBox::offer(const QString &text)
{
    if (m_limit > 0 && text.size() > m_limit) {
        emit refused(entryName(), m_limit);
        return false;
    }
    const QSignalBlocker block(this);
    setText(text);
    return true;
}

int EntryBox::room() const
{
    if (m_limit <= 0)
        return INT_MAX;
    return m_limit - int(text().size() - selectedText().size());
}

void EntryBox::pasteWithinLimit()
{
    if (isReadOnly())
        return;
    // A one-line box takes the first line, without the CR of a CR LF break.
    static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n]"));
    const QString clip = QGuiApplication::clipboard()->text().split(lineBreak).value(0).remove(QChar(0));
    if (clip.size() > room()) {
        emit refused(entryName(), m_limit);
        return;
    }
    insert(clip);
}

void EntryBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteWithinLimit();
        return;
    }
    const QString typed = event->text();
    const bool printing = !typed.isEmpty() && typed[0].isPrint()
                          && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (printing && room() < typed.size()) {
        emit typedPastLimit(entryName(), m_limit);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    for (QAction *a : menu->actions()) {
        if (a->objectName() == QLatin1String("edit-paste")) {
            a->disconnect();
            connect(a, &QAction::triggered, this, &EntryBox::pasteWithinLimit);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void EntryBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!m_today) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    // The user's own entry, as if typed: whatever follows edits hears of it.
    setText(DateText::today());
    emit textEdited(text());
}

} // namespace arc
