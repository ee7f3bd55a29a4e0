#pragma once

#include "MessageBoxes.h"

#include <QCoreApplication>

// What the program says of numbers taken and voided.
namespace arc::NumberPrompts {

inline QString tr(const char *text) { return QCoreApplication::translate("NumberPrompts", text); }

inline Message numberVoid(const QString &number)
{
    return {tr("Certificate number %1 is void, so this certificate was not saved.\nGive it a number of its own in "
               "block 3.")
                .arg(number),
            tr("Save form on screen"), Message::Buttons::Ok, Message::Icon::Exclamation, Message::Answer::Ok};
}

inline Message notVoided(const QString &number, const QString &why)
{
    return {tr("Number %1 was not voided: %2.").arg(number, why), tr("Void number"), Message::Buttons::Ok,
            Message::Icon::Exclamation, Message::Answer::Ok};
}

} // namespace arc::NumberPrompts
