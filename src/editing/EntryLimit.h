#pragma once

#include "MessageBoxes.h"

#include <QString>
#include <QWidget>

// The length limit of a box or grid column as the user is told of it.
namespace arc::EntryLimit {

inline QString toolTip(int limit)
{
    return limit > 0 ? QStringLiteral("At most %1 characters").arg(limit) : QString();
}

// How a message names a box: as the screen labels it where it has a label.
inline QString boxName(const QWidget &box)
{
    return box.accessibleName().isEmpty() ? box.objectName() : box.accessibleName();
}

// A pasted or program-given value that does not fit: refused whole, since
// a cut value would leave the shop unnoticed.
inline Message refusal(const QString &box, int limit)
{
    return {QStringLiteral("%1 takes at most %2 characters. The value was not put in; the box keeps what it held.")
                .arg(box)
                .arg(limit),
            QStringLiteral("Too long for its box"), Message::Buttons::Ok, Message::Icon::Exclamation,
            Message::Answer::Ok};
}

} // namespace arc::EntryLimit
