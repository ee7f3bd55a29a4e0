#pragma once

#include "MessageBoxes.h"

// The program's own questions and notices, word for word.
namespace arc::Prompts {

inline const Message kNoRecords{QStringLiteral("Press OK to continue"), QStringLiteral("No records this direction."),
                         Message::Buttons::Ok, Message::Icon::Information, Message::Answer::Ok};
inline const Message kNoMoreRecords{QStringLiteral("Press OK to continue. To Enter New form press NEW"),
                             QStringLiteral("No records this direction."), Message::Buttons::Ok,
                             Message::Icon::Information, Message::Answer::Ok};
inline const Message kExit{QStringLiteral("Are you sure you want to exit? Have you saved your form?"),
                    QStringLiteral("Exit Form 8130-3"), Message::Buttons::YesNo, Message::Icon::Question,
                    Message::Answer::Yes};
inline const Message kTooLong{QStringLiteral("Consult the manual and re-enter"), QStringLiteral("One of your entries is too long."),
                       Message::Buttons::Ok, Message::Icon::Critical, Message::Answer::Ok};
inline const Message kDeleteForm{QStringLiteral("Are you sure you want to delete this entire form?"),
                          QStringLiteral("Delete form on screen"), Message::Buttons::YesNo, Message::Icon::Critical,
                          Message::Answer::No};
inline const Message kNothingToDelete{QStringLiteral("The certificate on screen has not been saved, so there is no stored "
                                              "certificate to delete."),
                               QStringLiteral("Delete form on screen"), Message::Buttons::Ok,
                               Message::Icon::Information, Message::Answer::Ok};
inline const Message kCertificateGone{
    QStringLiteral("This certificate has been deleted from the data folder since it was shown, perhaps at another "
                   "workstation, so it was not saved.\nStore what is on screen as a new certificate?"),
    QStringLiteral("Save form on screen"), Message::Buttons::YesNo, Message::Icon::Exclamation, Message::Answer::Yes};
inline const Message kCertificateChanged{
    QStringLiteral("This certificate has been changed at another workstation since it was shown, so your changes "
                   "were not saved.\nShow the certificate as it is stored now? (No keeps your entries on screen.)"),
    QStringLiteral("Save form on screen"), Message::Buttons::YesNo, Message::Icon::Exclamation, Message::Answer::Yes};
inline const Message kReplaceRemarks{QStringLiteral("Replace the remarks typed in block 12?"),
                                     QStringLiteral("Remarks"), Message::Buttons::YesNo, Message::Icon::Question,
                                     Message::Answer::No};
inline Message numberInUse(const QString &number, const QString &otherDate)
{
    return {QStringLiteral("Certificate number %1 is already on the certificate dated %2, so this certificate was "
                           "not saved.\nGive it a number of its own in block 3.")
                .arg(number, otherDate),
            QStringLiteral("Save form on screen"), Message::Buttons::Ok, Message::Icon::Exclamation,
            Message::Answer::Ok};
}
inline Message saveChanges(const QString &number)
{
    return {QStringLiteral("Save the changes to certificate %1?").arg(number), QStringLiteral("Save form on screen"),
            Message::Buttons::SaveDiscardCancel, Message::Icon::Question, Message::Answer::Save};
}
inline const Message kPathTooLarge{QStringLiteral("Path name too large"), QStringLiteral("Directory change"),
                            Message::Buttons::Ok, Message::Icon::None, Message::Answer::Ok};

} // namespace arc::Prompts
