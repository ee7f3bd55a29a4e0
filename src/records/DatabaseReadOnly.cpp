// Opening a server's database only to read from it: a hot standby.

#include "Database.h"

#include "ServerUri.h"
#include "SqlDialectErrors.h"

#include <algorithm>
#include <atomic>

namespace arc {

DbStatus Database::openServerReadOnly(const QString &uriText, StoreKind kind, int connectSeconds)
{
    close();
    QString why;
    std::optional<ServerUri> uri = ServerUri::parse(uriText, &why);
    if (!uri)
        return DbStatus::failure(DbCondition::InvalidPath,
                                 QStringLiteral("%1: %2").arg(ServerUri::withoutPassword(uriText), why));
    const bool unbounded = std::none_of(uri->options.cbegin(), uri->options.cend(), [](const auto &o) {
        return o.first == QLatin1String("connect_timeout");
    });
    if (unbounded && connectSeconds > 0)
        uri->options.append({QStringLiteral("connect_timeout"), QString::number(connectSeconds)});
    static std::atomic<int> counter{0};
    const QString connection = QStringLiteral("arc-standby-%1").arg(++counter);
    if (DbStatus s = connectServer(*uri, connection); !s.ok())
        return s;
    m_connectionName = connection;
    m_filePath = uri->display();
    m_kind = kind;
    m_engine = Engine::PostgreSQL;
    m_readOnly = true;
    DbStatus s;
    for (const QString &sql : SqlDialect::readOnlyServerPragmas())
        if (s = exec(sql); !s.ok())
            break;
    if (s.ok()) {
        const QVariant version = scalar(SqlDialect::userVersionQuery(m_engine, m_kind), {}, &s);
        if (s.ok() && version.toInt() != Schema::version)
            s = DbStatus::failure(DbCondition::NotADatabase,
                                  QStringLiteral("%1 holds the tables of schema version %2, not %3")
                                      .arg(m_filePath)
                                      .arg(version.toInt())
                                      .arg(Schema::version));
    }
    if (!s.ok())
        close();
    return s;
}

} // namespace arc
