#include "MailCommand.h"

namespace arc::MailCommand {

QString attachmentName(const QString &tracking)
{
    QString name;
    for (QChar c : tracking.trimmed().left(64))
        name += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'_' ? c : QChar(u'_');
    return (name.isEmpty() ? QStringLiteral("certificate") : name) + QStringLiteral(".pdf");
}

QStringList arguments(const QString &pdf, const QString &tracking)
{
    // The subject is the authority's words and the number, untranslated.
    QString subject = QStringLiteral("Release certificate %1").arg(tracking.trimmed());
    for (QChar &c : subject)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return {QStringLiteral("--utf8"), QStringLiteral("--subject"), subject, QStringLiteral("--attach"), pdf};
}

} // namespace arc::MailCommand
