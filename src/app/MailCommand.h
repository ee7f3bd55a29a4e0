#pragma once

#include <QString>
#include <QStringList>

namespace arc::MailCommand {

// The file name an issued page is attached under: its tracking number with
// every character that could leave the folder or confuse a mail program
// replaced, ".pdf" added.
QString attachmentName(const QString &tracking);
// The arguments of xdg-email that open the desktop's mail program with
// `pdf` attached and the tracking number in the subject.
QStringList arguments(const QString &pdf, const QString &tracking);

} // namespace arc::MailCommand
