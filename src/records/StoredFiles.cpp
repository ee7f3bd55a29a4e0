#include "StoredFiles.h"

#include "Database.h"
#include "WriteTransaction.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <algorithm>

namespace arc::StoredFiles {

namespace {

struct StoredFilesTexts {
    Q_DECLARE_TR_FUNCTIONS(StoredFiles)
};

} // namespace

DbStatus read(Database &reference, const QString &name, QByteArray &content)
{
    content.clear();
    QSqlQuery q;
    DbStatus s = reference.run(q, QStringLiteral("SELECT \"Content\" FROM \"Files\" WHERE \"FileName\" = ?"), {name});
    if (!s.ok())
        return s;
    if (!q.next())
        return DbStatus::failure(DbCondition::ItemNotFound, name);
    content = q.value(0).toByteArray();
    return {};
}

DbStatus write(Database &reference, const QString &name, const QByteArray &content)
{
    if (content.size() > kMaxBytes)
        return DbStatus::failure(DbCondition::FieldTooSmall,
                                 StoredFilesTexts::tr("%1 is larger than %2 bytes").arg(name).arg(kMaxBytes));
    WriteTransaction tx(reference);
    if (!tx.ok())
        return tx.status();
    DbStatus s = reference.exec(QStringLiteral("DELETE FROM \"Files\" WHERE \"FileName\" = ?"), {name});
    if (s.ok())
        s = reference.exec(QStringLiteral("INSERT INTO \"Files\" (\"FileName\", \"Content\") VALUES (?, ?)"),
                           {name, content});
    return s.ok() ? tx.commit() : s;
}

DbStatus remove(Database &reference, const QString &name)
{
    return reference.exec(QStringLiteral("DELETE FROM \"Files\" WHERE \"FileName\" = ?"), {name});
}

QStringList names(Database &reference, const QString &suffix, DbStatus *status)
{
    QSqlQuery q;
    const DbStatus s = reference.run(q, QStringLiteral("SELECT \"FileName\" FROM \"Files\""));
    if (status)
        *status = s;
    QStringList out;
    while (s.ok() && q.next())
        if (const QString name = q.value(0).toString(); name.endsWith(suffix, Qt::CaseInsensitive))
            out << name;
    std::sort(out.begin(), out.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return out;
}

} // namespace arc::StoredFiles
