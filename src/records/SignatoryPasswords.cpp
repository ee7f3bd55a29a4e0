#include "SignatoryPasswords.h"

#include "GivenText.h"
#include "Passwords.h"
#include "WriteTransaction.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace arc::SignatoryPasswords {

namespace {

struct SignatoryPasswordsTexts {
    Q_DECLARE_TR_FUNCTIONS(SignatoryPasswords)
};

} // namespace

DbStatus administratorExists(const Database &reference, bool &exists)
{
    DbStatus s;
    exists = reference.scalar(QStringLiteral("SELECT 1 FROM \"Agents\" WHERE \"Administrator\" <> 0 LIMIT 1"), {}, &s)
                 .isValid()
             || !s.ok();
    return s;
}

DbStatus isAdministrator(const Database &reference, qint64 rowId, bool &administrator)
{
    DbStatus s;
    administrator = reference.scalar(QStringLiteral("SELECT 1 FROM \"Agents\" WHERE rowid = ? AND \"Administrator\" <> 0"),
                                     {rowId}, &s)
                        .isValid()
                    && s.ok();
    return s;
}

DbStatus store(Database &reference, qint64 rowId, const QString &password)
{
    const QString hashed = Passwords::hash(password);
    if (hashed.isEmpty())
        return DbStatus::failure(DbCondition::Other, SignatoryPasswordsTexts::tr("the password could not be hashed"));
    WriteTransaction tx(reference);
    if (!tx.ok())
        return tx.status();
    QSqlQuery q;
    DbStatus s = reference.run(q, QStringLiteral("UPDATE \"Agents\" SET \"Password\" = ? WHERE rowid = ?"), {hashed, rowId});
    if (!s.ok())
        return s;
    if (q.numRowsAffected() != 1)
        return DbStatus::failure(DbCondition::RecordGone, QStringLiteral("Agents"));
    return tx.commit();
}

DbStatus reset(Database &reference, const QString &name, const QString &password)
{
    if (password.isEmpty())
        return DbStatus::failure(DbCondition::Other, SignatoryPasswordsTexts::tr("an empty password is not a password"));
    QSqlQuery q;
    DbStatus s = reference.run(q, QStringLiteral("SELECT rowid FROM \"Agents\" WHERE \"Name\" = ?"), {name});
    if (!s.ok())
        return s;
    QList<qint64> rows;
    while (q.next())
        rows << q.value(0).toLongLong();
    if (rows.isEmpty())
        return DbStatus::failure(DbCondition::ItemNotFound,
                                 SignatoryPasswordsTexts::tr("no signatory is named %1").arg(GivenText::quoted(name)));
    if (rows.size() > 1)
        return DbStatus::failure(DbCondition::Other,
                                 SignatoryPasswordsTexts::tr("%1 signatories are named %2")
                                     .arg(rows.size())
                                     .arg(GivenText::quoted(name)));
    return store(reference, rows.first(), password);
}

} // namespace arc::SignatoryPasswords
