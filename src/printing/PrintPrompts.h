#pragma once

#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include "PrintCertificate.h"

namespace arc::PrintPrompts {

// A cell of the page cut to its first ten lines; shown before they print.
inline Message truncated(const QString &cellTitle)
{
    return {kLinesTruncated, cellTitle, Message::Buttons::Ok, Message::Icon::Critical, Message::Answer::Ok};
}

// A text the page would cut, as a finding of the certificate check: the
// block it concerns, from the title of the block's truncation message.
inline QString cutFinding(const QString &title)
{
    const QString notPrinted = QCoreApplication::translate("PrintPrompts", "; what does not fit is not printed.");
    static const QRegularExpression tooLong(QStringLiteral("^Block (\\d+[a-e]?) too long"));
    if (const auto m = tooLong.match(title); m.hasMatch())
        return QCoreApplication::translate("PrintPrompts", "Block %1: the text is longer than its box holds")
                   .arg(m.captured(1))
               + notPrinted;
    if (title.contains(QLatin1String("Remarks")))
        return QCoreApplication::translate("PrintPrompts", "Block 12: the remarks are longer than the page holds")
               + notPrinted;
    if (title.contains(QLatin1String("Items")) || title == kLinesTruncated)
        return QCoreApplication::translate("PrintPrompts", "Block 7: the items are longer than the page holds")
               + notPrinted;
    return QCoreApplication::translate("PrintPrompts", "Page: %1").arg(title) + notPrinted;
}

// The certificate check found mistakes: print all the same?
inline Message checkFindings(const QStringList &findings)
{
    return {findings.join(QLatin1Char('\n')) + MessageTexts::tr("\n\nPrint anyway?"),
            MessageTexts::tr("Certificate check"), Message::Buttons::YesNo, Message::Icon::Exclamation,
            Message::Answer::No};
}

// A signed page the check refuses: the findings, blocking ones first
// (`blocking` of them), and the only way on is back to the certificate.
inline Message checkRefused(const QStringList &findings, qsizetype blocking)
{
    const QString why =
        blocking == 1
            ? QCoreApplication::translate("PrintPrompts", "The first finding must be corrected before the certificate "
                                                          "is issued with a signature.")
            : QCoreApplication::translate("PrintPrompts", "The first %1 findings must be corrected before the "
                                                          "certificate is issued with a signature.")
                  .arg(blocking);
    return {findings.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + why + QLatin1Char(' ')
                + QCoreApplication::translate("PrintPrompts", "Nothing was printed, written, kept or logged."),
            MessageTexts::tr("Certificate check"), Message::Buttons::Back, Message::Icon::Critical,
            Message::Answer::Cancel};
}

inline Message manyCopies(int copies)
{
    return {MessageTexts::tr("Print %1 copies of this certificate?").arg(copies), MessageTexts::tr("Print"),
            Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
}

inline Message noPrinter()
{
    return {MessageTexts::tr("No printer is installed. Save the certificate as a PDF file instead?"),
            MessageTexts::tr("Print"), Message::Buttons::YesNo, Message::Icon::Exclamation, Message::Answer::Yes};
}

inline Message jobRefused()
{
    return {MessageTexts::tr("The printer did not accept the certificate. Nothing more is printed."),
            MessageTexts::tr("Print"), Message::Buttons::Ok, Message::Icon::Exclamation, Message::Answer::Ok};
}

inline Message pdfNotWritten(const QString &path)
{
    return {MessageTexts::tr("The PDF file could not be written:\n%1").arg(path), MessageTexts::tr("PDF"),
            Message::Buttons::Ok, Message::Icon::Exclamation, Message::Answer::Ok};
}

} // namespace arc::PrintPrompts
