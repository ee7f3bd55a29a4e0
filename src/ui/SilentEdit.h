#pragma once

#include "LineBreaks.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

// Values put into boxes by the program, not typed by the user: no handler
// meant for the user's change runs.
namespace arc::SilentEdit {

inline void setText(QLineEdit *box, const QString &text)
{
    const QSignalBlocker block(box);
    box->setText(text);
}

inline void setText(QPlainTextEdit *box, const QString &text)
{
    const QSignalBlocker block(box);
    box->setPlainText(LineBreaks::toScreen(text));
}

inline void setTicked(QCheckBox *box, bool ticked)
{
    const QSignalBlocker block(box);
    box->setChecked(ticked);
}

} // namespace arc::SilentEdit
