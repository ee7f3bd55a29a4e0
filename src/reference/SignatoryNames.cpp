#include "SignatoryNames.h"

#include <QCoreApplication>

namespace arc::SignatoryNames {

bool same(const QString &a, const QString &b) { return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0; }

std::optional<AgentEntry> takenBy(const QList<AgentEntry> &signatories, const QString &name, qint64 ownRow)
{
    for (const AgentEntry &other : signatories)
        if (other.rowId != ownRow && same(other.name, name))
            return other;
    return std::nullopt;
}

Message taken(const AgentEntry &other)
{
    return {QCoreApplication::translate("SignatoryNames", "Another signatory is already named %1 (approval number %2). "
                                                          "Give this one a name that tells them apart; nothing was saved.")
                .arg(other.name.trimmed(), other.approvalNumber),
            QCoreApplication::translate("SignatoryNames", "Name taken"), Message::Buttons::Ok, Message::Icon::Exclamation};
}

QString label(const AgentEntry &entry, const QList<AgentEntry> &signatories)
{
    if (!takenBy(signatories, entry.name, entry.rowId))
        return entry.name;
    const QString number = entry.approvalNumber.trimmed();
    return QStringLiteral("%1 (%2)").arg(entry.name, number.isEmpty() ? QStringLiteral("#%1").arg(entry.rowId) : number);
}

} // namespace arc::SignatoryNames
