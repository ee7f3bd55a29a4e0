#include "TableKeys.h"

#include "StoredFiles.h"

namespace arc {

KeyStore::Found TableKeys::read(const QString &entry, QByteArray &content, KeyStoreFailure &failure) const
{
    const DbStatus s = StoredFiles::read(m_reference, fileOf(entry), content);
    if (s.ok())
        return Found::Yes;
    if (s.is(DbCondition::ItemNotFound))
        return Found::No;
    failure = {KeyStoreFailure::Cause::Unreadable, s.detail(), {}, {}};
    return Found::Failed;
}

bool TableKeys::write(const QString &entry, const QByteArray &content, QString *error)
{
    const DbStatus s = StoredFiles::write(m_reference, fileOf(entry), content);
    if (!s.ok() && error)
        *error = s.detail();
    return s.ok();
}

bool TableKeys::remove(const QString &entry, QString *error)
{
    const DbStatus s = StoredFiles::remove(m_reference, fileOf(entry));
    if (!s.ok() && error)
        *error = s.detail();
    return s.ok();
}

} // namespace arc
