#include "EntryBox.h"

#include "DateText.h"

#include <QKeyEvent>
#include <QValidator>

namespace arc {

namespace {

// Refuses an edit that would make the text longer than the limit, but lets
// an over-long value that was already there be shortened or left alone.
class LengthLimit : public QValidator {
public:
    LengthLimit(const QLineEdit *box, int limit) : QValidator(const_cast<QLineEdit *>(box)), m_box(box), m_limit(limit) {}
    State validate(QString &input, int &) const override
    {
        return input.size() <= m_limit || input.size() <= m_box->text().size() ? Acceptable : Invalid;
    }

private:
    const QLineEdit *m_box;
    int m_limit;
};

} // namespace

EntryBox::EntryBox(const char *objectName, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QString::fromLatin1(objectName));
}

void EntryBox::setEntryLimit(int characters)
{
    m_limit = characters;
    setValidator(characters > 0 ? new LengthLimit(this, characters) : nullptr);
}

void EntryBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!m_today) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    setText(DateText::today());
}

} // namespace arc
