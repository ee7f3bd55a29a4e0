#pragma once

#include "MessageBoxes.h"
#include "PrintCertificate.h"

namespace arc::PrintPrompts {

// A cell of the page cut to its first ten lines; shown before they print.
inline Message truncated(const QString &cellTitle)
{
    return {kLinesTruncated, cellTitle, Message::Buttons::Ok, Message::Icon::Critical, Message::Answer::Ok};
}

inline Message manyCopies(int copies)
{
    return {QStringLiteral("Print %1 copies of this certificate?").arg(copies), QStringLiteral("Print"),
            Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
}

inline Message noPrinter()
{
    return {QStringLiteral("No printer is installed. Save the certificate as a PDF file instead?"),
            QStringLiteral("Print"), Message::Buttons::YesNo, Message::Icon::Exclamation, Message::Answer::Yes};
}

inline Message jobRefused()
{
    return {QStringLiteral("The printer did not accept the certificate. Nothing more is printed."),
            QStringLiteral("Print"), Message::Buttons::Ok, Message::Icon::Exclamation, Message::Answer::Ok};
}

inline Message pdfNotWritten(const QString &path)
{
    return {QStringLiteral("The PDF file could not be written:\n%1").arg(path), QStringLiteral("PDF"),
            Message::Buttons::Ok, Message::Icon::Exclamation, Message::Answer::Ok};
}

} // namespace arc::PrintPrompts
