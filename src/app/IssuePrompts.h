#pragma once

#include "DateText.h"
#include "MessageBoxes.h"

#include <QCoreApplication>

// What the program says about issued certificates, word for word.
namespace arc::IssuePrompts {

inline Message saveBeforeIssue()
{
    return {MessageTexts::tr("The certificate must be saved before it is issued. Save it now?"),
            MessageTexts::tr("Issue certificate"), Message::Buttons::YesNo, Message::Icon::Question,
            Message::Answer::Yes};
}

inline Message storeAsCorrection(const QDate &issued)
{
    return {MessageTexts::tr("This certificate was issued on %1. Store the changes as a new certificate with the next "
                             "tracking number?")
                .arg(DateText::format(issued)),
            MessageTexts::tr("Save form on screen"), Message::Buttons::YesNo, Message::Icon::Question,
            Message::Answer::No};
}

inline Message deleteRefused(const QDate &issued)
{
    return {MessageTexts::tr("This certificate was issued on %1 and is kept with the records; it cannot be deleted.")
                .arg(DateText::format(issued)),
            MessageTexts::tr("Delete form on screen"), Message::Buttons::Ok, Message::Icon::Exclamation,
            Message::Answer::Ok};
}

inline QString issuedMark(const QDate &issued)
{
    return QCoreApplication::translate("IssuePrompts", "Issued %1").arg(DateText::format(issued));
}
inline QString changedMark(const QDate &issued)
{
    return QCoreApplication::translate("IssuePrompts", "Changed after issue %1").arg(DateText::format(issued));
}

// An issued correction replaces the certificate it corrects.
inline QString supersededMark(const QString &tracking, const QDate &issued)
{
    return QCoreApplication::translate("IssuePrompts", "Superseded by %1 of %2").arg(tracking, DateText::format(issued));
}

inline Message printRefused(const QDate &issued)
{
    return {MessageTexts::tr("%1: the stored certificate is no longer the one issued, so it is not printed.")
                .arg(changedMark(issued)),
            MessageTexts::tr("Print"), Message::Buttons::Ok, Message::Icon::Critical, Message::Answer::Ok};
}

inline Message notRecorded(const QString &detail)
{
    return {MessageTexts::tr("The certificate was not issued, because its page could not be kept with the records: "
                             "%1.\nNothing was printed.")
                .arg(detail),
            MessageTexts::tr("Issue certificate"), Message::Buttons::Ok, Message::Icon::Critical, Message::Answer::Ok};
}

inline Message notSigned(const QString &detail)
{
    return {MessageTexts::tr("The certificate was not issued, because its page could not be signed with your signing "
                             "key. %1\nNothing was printed or kept.")
                .arg(detail),
            MessageTexts::tr("Issue certificate"), Message::Buttons::Ok, Message::Icon::Critical, Message::Answer::Ok};
}

// The signatory's key is kept but cannot be opened: `why` names the cause and its mend.
inline Message keyStopsIssue(const QString &why)
{
    return {QCoreApplication::translate("IssuePrompts", "The certificate was not issued. %1\nNothing was printed, "
                                                        "written or kept.")
                .arg(why),
            QCoreApplication::translate("IssuePrompts", "Issue certificate"), Message::Buttons::Ok,
            Message::Icon::Critical, Message::Answer::Ok};
}

// The status line's word for a page issued; `unsignedWhy` says why it carries no digital signature.
inline QString issuedTold(const QString &tracking, const QString &unsignedWhy)
{
    if (unsignedWhy.isEmpty())
        return QCoreApplication::translate("IssuePrompts", "Certificate %1 issued").arg(tracking);
    return QCoreApplication::translate("IssuePrompts", "Certificate %1 issued, not digitally signed: %2")
        .arg(tracking, unsignedWhy);
}

inline Message changedWhileIssuing()
{
    return {MessageTexts::tr("The stored certificate was changed, at this or another station, while its page was being "
                             "made. It was not issued and nothing was printed: look at it again, then print it again."),
            MessageTexts::tr("Issue certificate"), Message::Buttons::Ok, Message::Icon::Exclamation,
            Message::Answer::Ok};
}

// Saved, the certificate reads back other than the screen shows it.
inline Message notAsStored()
{
    return {QCoreApplication::translate("IssuePrompts", "The certificate as stored is not the one on screen, so it was "
                                                        "not issued and nothing was printed or written. Show it again, "
                                                        "look at it, then print it again."),
            QCoreApplication::translate("IssuePrompts", "Issue certificate"), Message::Buttons::Ok,
            Message::Icon::Exclamation, Message::Answer::Ok};
}

inline Message logUnreadable(const QString &detail)
{
    return {
        MessageTexts::tr("Whether this certificate was issued cannot be read: %1.\nNothing was changed.").arg(detail),
        MessageTexts::tr("Issue certificate"), Message::Buttons::Ok, Message::Icon::Critical, Message::Answer::Ok};
}

} // namespace arc::IssuePrompts
