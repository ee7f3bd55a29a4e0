#include "StampTexts.h"

#include "WriteTransaction.h"

namespace arc::StampTexts {

bool isCode(const QString &code)
{
    return !code.isEmpty() && code.at(0) >= QLatin1Char('A') && code.at(0) <= QLatin1Char('Z');
}

std::optional<QString> text(const Database &reference, const QString &code, DbStatus *status)
{
    DbStatus s;
    const QVariant found =
        reference.scalar(QStringLiteral("SELECT COALESCE(\"StampText\", \'\') FROM \"Stamps\" WHERE \"StampNumber\" = ? LIMIT 1"),
                         {code}, &s);
    if (status)
        *status = s;
    if (!s.ok() || !found.isValid())
        return std::nullopt;
    return found.toString();
}

DbStatus save(Database &reference, const QString &code, const QString &text)
{
    WriteTransaction tx(reference);
    if (!tx.ok())
        return tx.status();
    DbStatus s;
    const QVariant known =
        reference.scalar(QStringLiteral("SELECT 1 FROM \"Stamps\" WHERE \"StampNumber\" = ? LIMIT 1"), {code}, &s);
    if (!s.ok())
        return s;
    s = known.isValid()
            ? reference.exec(QStringLiteral("UPDATE \"Stamps\" SET \"StampText\" = ? WHERE \"StampNumber\" = ?"), {text, code})
            : reference.exec(QStringLiteral("INSERT INTO \"Stamps\" (\"StampNumber\", \"StampText\") VALUES (?, ?)"), {code, text});
    if (!s.ok())
        return s;
    return tx.commit();
}

} // namespace arc::StampTexts
