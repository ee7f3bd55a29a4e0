#pragma once

#include "NamedWidget.h"
#include "ScreenTwips.h"

#include <QComboBox>
#include <QPushButton>

namespace arc::PanelParts {

// A panel button with its caption colour: Save green, Delete and Exit red,
// New black.
inline QPushButton *button(const char *name, const QString &caption, const char *colour)
{
    auto *b = namedWidget<QPushButton>(name, caption);
    b->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(colour)));
    return b;
}

// Lay a reference panel over its parent with a 120-twip margin all round.
inline void placeInside(QWidget *panel)
{
    if (QWidget *p = panel->parentWidget()) {
        constexpr int margin = twipsToPixels(120);
        panel->setGeometry(margin, margin, p->width() - 2 * margin, p->height() - 2 * margin);
    }
}

// The entry of `list` whose data carries row key `rowId`, or -1. Entries
// are told apart by their rows, never by equal names.
template <typename Entry>
int indexOfRow(const QComboBox *list, qint64 rowId)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->itemData(i).value<Entry>().rowId == rowId)
            return i;
    return -1;
}

// Where `name` goes in a list kept in order by text.
int sortedPosition(const QComboBox *list, const QString &name);

} // namespace arc::PanelParts
