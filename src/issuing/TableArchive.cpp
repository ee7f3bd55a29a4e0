#include "TableArchive.h"

#include "Database.h"
#include "StoredFiles.h"

namespace arc {

TableArchive::TableArchive(Database &reference) : m_reference(reference) {}

QString TableArchive::location(const QString &name) const
{
    // A server store is named by its URI without the password.
    return QStringLiteral("%1 in the database %2").arg(prefix() + name, m_reference.filePath());
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
