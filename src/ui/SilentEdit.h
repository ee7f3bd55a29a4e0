#pragma once

#include "LineBreaks.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

// Values put into boxes by the program, not typed by the user: no handler
// meant for the user's change runs.
namespace arc::SilentEdit {

// The one blank that stands for an empty value in stored rows shows as an
// empty box: what the user types into it would otherwise follow a blank
// no rule recognises (" NEW"). A box left empty is stored as that blank.
inline QString shown(const QString &text) { return text == QLatin1String(" ") ? QString() : text; }

inline void setText(QLineEdit *box, const QString &text)
{
    const QSignalBlocker block(box);
    box->setText(shown(text));
}

inline void setText(QPlainTextEdit *box, const QString &text)
{
    const QSignalBlocker block(box);
    box->setPlainText(LineBreaks::toScreen(shown(text)));
}

inline void setTicked(QCheckBox *box, bool ticked)
{
    const QSignalBlocker block(box);
    box->setChecked(ticked);
}

} // namespace arc::SilentEdit
