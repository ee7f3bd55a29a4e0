#pragma once

#include "MessageBoxes.h"

#include <QCoreApplication>

// The program's own questions and notices, word for word.
namespace arc::Prompts {

inline const Message kNoRecords{QT_TRANSLATE_NOOP("arc::Message", "Press OK to continue"),
                                QT_TRANSLATE_NOOP("arc::Message", "No records this direction."), Message::Buttons::Ok,
                                Message::Icon::Information, Message::Answer::Ok};
inline const Message kNoMoreRecords{
    QT_TRANSLATE_NOOP("arc::Message", "Press OK to continue. To Enter New form press NEW"),
    QT_TRANSLATE_NOOP("arc::Message", "No records this direction."), Message::Buttons::Ok, Message::Icon::Information,
    Message::Answer::Ok};
inline const Message kExit{
    QT_TRANSLATE_NOOP("arc::Message", "Are you sure you want to exit? Have you saved your form?"),
    QT_TRANSLATE_NOOP("arc::Message", "Exit Form 8130-3"), Message::Buttons::YesNo, Message::Icon::Question,
    Message::Answer::Yes};
inline const Message kTooLong{QT_TRANSLATE_NOOP("arc::Message", "Consult the manual and re-enter"),
                              QT_TRANSLATE_NOOP("arc::Message", "One of your entries is too long."),
                              Message::Buttons::Ok, Message::Icon::Critical, Message::Answer::Ok};
inline const Message kDeleteForm{QT_TRANSLATE_NOOP("arc::Message", "Are you sure you want to delete this entire form?"),
                                 QT_TRANSLATE_NOOP("arc::Message", "Delete form on screen"), Message::Buttons::YesNo,
                                 Message::Icon::Critical, Message::Answer::No};
inline const Message kNothingToDelete{
    QT_TRANSLATE_NOOP("arc::Message", "The certificate on screen has not been saved, so there is no stored "
                                      "certificate to delete."),
    QT_TRANSLATE_NOOP("arc::Message", "Delete form on screen"), Message::Buttons::Ok, Message::Icon::Information,
    Message::Answer::Ok};
inline const Message kCertificateGone{
    QT_TRANSLATE_NOOP("arc::Message",
                      "This certificate has been deleted from the data folder since it was shown, perhaps at another "
                      "workstation, so it was not saved.\nStore what is on screen as a new certificate?"),
    QT_TRANSLATE_NOOP("arc::Message", "Save form on screen"), Message::Buttons::YesNo, Message::Icon::Exclamation,
    Message::Answer::Yes};
inline const Message kCertificateChanged{
    QT_TRANSLATE_NOOP("arc::Message",
                      "This certificate has been changed at another workstation since it was shown, so your changes "
                      "were not saved.\nShow the certificate as it is stored now? (No keeps your entries on screen.)"),
    QT_TRANSLATE_NOOP("arc::Message", "Save form on screen"), Message::Buttons::YesNo, Message::Icon::Exclamation,
    Message::Answer::Yes};
inline const Message kReplaceRemarks{QT_TRANSLATE_NOOP("arc::Message", "Replace the remarks typed in block 12?"),
                                     QT_TRANSLATE_NOOP("arc::Message", "Remarks"), Message::Buttons::YesNo,
                                     Message::Icon::Question, Message::Answer::No};
inline Message numberInUse(const QString &number, const QString &otherDate)
{
    return {MessageTexts::tr("Certificate number %1 is already on the certificate dated %2, so this certificate was "
                             "not saved.\nGive it a number of its own in block 3.")
                .arg(number, otherDate),
            MessageTexts::tr("Save form on screen"), Message::Buttons::Ok, Message::Icon::Exclamation,
            Message::Answer::Ok};
}
inline Message saveChanges(const QString &number)
{
    return {MessageTexts::tr("Save the changes to certificate %1?").arg(number),
            MessageTexts::tr("Save form on screen"), Message::Buttons::SaveDiscardCancel, Message::Icon::Question,
            Message::Answer::Save};
}
inline const Message kPathTooLarge{QT_TRANSLATE_NOOP("arc::Message", "Path name too large"),
                                   QT_TRANSLATE_NOOP("arc::Message", "Directory change"), Message::Buttons::Ok,
                                   Message::Icon::None, Message::Answer::Ok};

} // namespace arc::Prompts
