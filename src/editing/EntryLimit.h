#pragma once

#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QString>
#include <QWidget>

// The length limit of a box or grid column as the user is told of it.
namespace arc::EntryLimit {

inline QString toolTip(int limit)
{
    return limit > 0 ? QCoreApplication::translate("EntryLimit", "At most %1 characters").arg(limit) : QString();
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
    return {MessageTexts::tr("%1 takes at most %2 characters. The value was not put in; the box keeps what it held.")
                .arg(box)
                .arg(limit),
            MessageTexts::tr("Too long for its box"), Message::Buttons::Ok, Message::Icon::Exclamation,
            Message::Answer::Ok};
}

// A key typed into a full box, as the status line tells it.
inline QString typedPastLimit(const QString &box, int limit)
{
    return QCoreApplication::translate("EntryLimit", "%1 takes at most %2 characters; the key was not taken.")
        .arg(box)
        .arg(limit);
}

// A row asked for below the most item lines a certificate holds.
inline Message tooManyLines(int limit)
{
    return {QCoreApplication::translate("EntryLimit", "A certificate holds at most %1 item lines. No line was added.")
                .arg(limit),
            QCoreApplication::translate("EntryLimit", "No more item lines"), Message::Buttons::Ok,
            Message::Icon::Exclamation, Message::Answer::Ok};
}

} // namespace arc::EntryLimit
