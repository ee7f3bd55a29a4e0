#include "TableArchive.h"

#include "Database.h"
#include "ServerUri.h"
#include "StoredFiles.h"

namespace arc {

TableArchive::TableArchive(Database &reference) : m_reference(reference) {}

QString TableArchive::location(const QString &name) const
{
    // Named as the user gave the server, without its password.
    const std::optional<ServerUri> server = ServerUri::parse(m_reference.filePath());
    return QStringLiteral("%1 in the database %2").arg(prefix() + name, server ? server->display() : QString());
}

bool TableArchive::contains(const QString &name) const
{
    QByteArray ignored;
    return StoredFiles::read(m_reference, prefix() + name, ignored).ok();
}

bool TableArchive::write(const QString &name, const QByteArray &bytes, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (contains(name))
        return fail(QStringLiteral("%1 is already kept").arg(location(name)));
    const DbStatus s = StoredFiles::write(m_reference, prefix() + name, bytes);
    if (!s.ok())
        return fail(QStringLiteral("%1 cannot be written: %2").arg(location(name), s.detail()));
    return true;
}

void TableArchive::remove(const QString &name) { StoredFiles::remove(m_reference, prefix() + name); }

} // namespace arc
