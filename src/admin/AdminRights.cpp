#include "AdminRights.h"

#include "DataFolder.h"
#include "Passwords.h"
#include "SignatoryKeys.h"
#include "SignatoryPasswords.h"

#include <QCoreApplication>

namespace arc::AdminRights {

namespace {

struct AdminRightsTexts {
    Q_DECLARE_TR_FUNCTIONS(AdminRights)
};

} // namespace

Need of(const QString &command)
{
    // revoke, approve and token-key are to need the same when they come.
    static const QStringList administrators = {QStringLiteral("reset-password"), QStringLiteral("revoke"),
                                               QStringLiteral("approve"), QStringLiteral("token-key")};
    static const QStringList ownKey = {QStringLiteral("signing-key"), QStringLiteral("import-key")};
    if (administrators.contains(command))
        return Need::Administrator;
    if (ownKey.contains(command))
        return Need::AdministratorOrOwnKey;
    return Need::Nobody;
}

std::optional<CommandOutcome> refusal(DataFolder &data, const QString &command, const std::optional<Administrator> &as)
{
    const Need need = of(command);
    if (as) {
        // Whoever names himself is checked, whatever the command needs.
        KeyRefusal why;
        const std::optional<AgentEntry> named = SignatoryKeys(data).named(as->name, why);
        if (!named)
            return CommandOutcome::refused(why.message);
        if (Passwords::verify(named->password, as->password) == Passwords::Verdict::Wrong)
            return CommandOutcome::refused(AdminRightsTexts::tr("That is not the password of %1.").arg(as->name));
        bool administrator = false;
        if (const DbStatus s = SignatoryPasswords::isAdministrator(data.reference(), named->rowId, administrator); !s.ok())
            return CommandOutcome::refused(AdminRightsTexts::tr("Whether %1 is an administrator cannot be read: %2.").arg(as->name, s.detail()));
        if (!administrator)
            return CommandOutcome::refused(AdminRightsTexts::tr("%1 is not an administrator.").arg(as->name));
        return std::nullopt;
    }
    if (need != Need::Administrator)
        return std::nullopt;
    bool exists = true;
    if (const DbStatus s = SignatoryPasswords::administratorExists(data.reference(), exists); !s.ok())
        return CommandOutcome::refused(AdminRightsTexts::tr("Whether an administrator is set up cannot be read: %1.").arg(s.detail()));
    if (!exists)
        return std::nullopt;
    return CommandOutcome::refused(AdminRightsTexts::tr("%1 needs an administrator, as one is set up: give \"--as NAME\" before the "
                                      "command, and the administrator's password as the first line of input.")
                                       .arg(command));
}

} // namespace arc::AdminRights
