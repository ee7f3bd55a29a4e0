#include "EntryText.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <climits>

namespace arc {

EntryText::EntryText(const char *objectName, QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setTabChangesFocus(true);
}

int EntryText::room() const
{
    if (m_limit <= 0)
        return INT_MAX;
    const int selected = textCursor().selectedText().size();
    return m_limit - (toPlainText().size() - selected);
}

void EntryText::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_enterMovesOn) {
        emit enterPressed();
        return;
    }
    QString text = enter ? QStringLiteral("\n") : event->text();
    const bool typing = !text.isEmpty() && (enter || text[0].isPrint())
                        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!typing) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (room() < text.size())
        return;
    if (m_capitals && text.size() == 1 && text[0] >= QLatin1Char('a') && text[0] <= QLatin1Char('z')) {
        textCursor().insertText(text.toUpper());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EntryText::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    const QString text = source->text();
    const int left = room();
    if (left <= 0)
        return;
    textCursor().insertText(text.left(left));
}

} // namespace arc
