#pragma once

#include "MessageBoxes.h"

#include <QCoreApplication>

// What the program says of numbers taken and voided.
namespace arc::NumberPrompts {

struct NumberPromptsTexts {
    Q_DECLARE_TR_FUNCTIONS(NumberPrompts)
};

inline Message numberVoid(const QString &number)
{
    return {NumberPromptsTexts::tr("Certificate number %1 is void, so this certificate was not saved.\nGive it a number of its own in "
               "block 3.")
                .arg(number),
            NumberPromptsTexts::tr("Save form on screen"), Message::Buttons::Ok, Message::Icon::Exclamation, Message::Answer::Ok};
}

inline Message notVoided(const QString &number, const QString &why)
{
    return {NumberPromptsTexts::tr("Number %1 was not voided: %2.").arg(number, why), NumberPromptsTexts::tr("Void number"), Message::Buttons::Ok,
            Message::Icon::Exclamation, Message::Answer::Ok};
}

} // namespace arc::NumberPrompts
