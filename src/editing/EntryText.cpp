#include "EntryText.h"

#include "EntryLimit.h"
#include "SilentEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <climits>
#include <utility>

namespace arc {

namespace {

// A line break is stored as CR LF (LineBreaks::toStored), so it takes two
// characters of the field however the box or the clipboard writes it.
bool isBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
           || c == QChar::LineSeparator;
}

// Length of the next unit of `text` at `i`: a CR LF pair or a surrogate
// pair is one unit of two, never cut apart.
int unitSize(const QString &text, qsizetype i)
{
    const bool pair = i + 1 < text.size()
                      && ((text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n'))
                          || (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate()));
    return pair ? 2 : 1;
}

// The longest beginning of `text` that takes at most `room` stored
// characters, and how many it takes.
std::pair<qsizetype, int> fitting(const QString &text, int room)
{
    qsizetype i = 0;
    int used = 0;
    while (i < text.size()) {
        const int size = unitSize(text, i);
        const int cost = isBreak(text[i]) ? 2 : size;
        if (used + cost > room)
            break;
        used += cost;
        i += size;
    }
    return {i, used};
}

int storedLength(const QString &text)
{
    return fitting(text, INT_MAX).second;
}

} // namespace

EntryText::EntryText(const char *objectName, QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setTabChangesFocus(true);
}

void EntryText::setEntryLimit(int characters)
{
    m_limit = characters;
    setToolTip(EntryLimit::toolTip(characters));
}

QString EntryText::entryName() const { return EntryLimit::boxName(*this); }

bool EntryText::offer(const QString &text)
{
    if (m_limit > 0 && storedLength(text) > m_limit) {
        emit refused(entryName(), m_limit);
        return false;
    }
    SilentEdit::setText(this, text);
    return true;
}

int EntryText::room() const
{
    if (m_limit <= 0)
        return INT_MAX;
    // The selection goes when new text comes; its breaks read U+2029.
    return m_limit - (storedLength(toPlainText()) - storedLength(textCursor().selectedText()));
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
    if (room() < storedLength(text)) {
        emit typedPastLimit(entryName(), m_limit);
        return;
    }
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
    const QString text = source->text().remove(QChar(0));
    if (storedLength(text) > room()) {
        emit refused(entryName(), m_limit);
        return;
    }
    textCursor().insertText(text);
}

void EntryText::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().contains(QChar(0))) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent without(event->preeditString(), event->attributes());
    without.setCommitString(QString(event->commitString()).remove(QChar(0)), event->replacementStart(),
                            event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&without);
}

} // namespace arc
