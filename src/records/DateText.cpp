#include "DateText.h"

#include <QLocale>

namespace arc::DateText {

QString format(const QDate &date)
{
    if (!date.isValid())
        return {};
    return QLocale::c().toString(date, QStringLiteral("dd/MMM/yyyy"));
}

QDate parse(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    static const QStringList formats = {
        QStringLiteral("dd/MMM/yyyy"), QStringLiteral("d/MMM/yyyy"),  QStringLiteral("dd-MMM-yyyy"),
        QStringLiteral("d-MMM-yyyy"),  QStringLiteral("dd MMM yyyy"), QStringLiteral("d MMM yyyy"),
        QStringLiteral("d MMMM yyyy"), QStringLiteral("MMM d, yyyy"), QStringLiteral("MMMM d, yyyy"),
        QStringLiteral("d/M/yyyy"),    QStringLiteral("d-M-yyyy"),    QStringLiteral("d.M.yyyy"),
        QStringLiteral("yyyy-MM-dd"),
    };
    const QLocale c = QLocale::c();
    for (const QString &f : formats) {
        const QDate d = c.toDate(t, f);
        if (d.isValid())
            return d;
    }
    return {};
}

} // namespace arc::DateText
