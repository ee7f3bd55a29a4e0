#include "TableArchive.h"

#include "Database.h"
#include "StoredFiles.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct TableArchiveTexts {
    Q_DECLARE_TR_FUNCTIONS(TableArchive)
};
QString partName(const QString &name) { return TableArchive::prefix() + QLatin1Char('.') + name + QStringLiteral(".part"); }
bool failWith(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}
} // namespace

TableArchive::TableArchive(Database &reference) : m_reference(reference) {}

QString TableArchive::location(const QString &name) const
{
    // A server store is named by its URI without the password.
    return TableArchiveTexts::tr("%1 in the database %2").arg(prefix() + name, m_reference.filePath());
}

bool TableArchive::contains(const QString &name) const
{
    QByteArray ignored;
    return StoredFiles::read(m_reference, prefix() + name, ignored).ok();
}

bool TableArchive::stage(const QString &name, const QByteArray &bytes, QString *error)
{
    if (contains(name))
        return failWith(error, TableArchiveTexts::tr("%1 is already kept").arg(location(name)));
    const DbStatus s = StoredFiles::write(m_reference, partName(name), bytes);
    if (!s.ok())
        return failWith(error, TableArchiveTexts::tr("%1 cannot be written: %2").arg(location(name), s.detail()));
    return true;
}

bool TableArchive::publish(const QString &name, QString *error)
{
    const QByteArray bytes = staged(name);
    if (bytes.isEmpty())
        return failWith(error, TableArchiveTexts::tr("%1 was not staged").arg(location(name)));
    QByteArray kept;
    if (StoredFiles::read(m_reference, prefix() + name, kept).ok()) {
        // Put in place already, by a station finishing what it took for
        // an interrupted issue.
        if (kept != bytes)
            return failWith(error, TableArchiveTexts::tr("%1 is already kept").arg(location(name)));
        discard(name);
        return true;
    }
    const DbStatus s = StoredFiles::write(m_reference, prefix() + name, bytes);
    if (!s.ok())
        return failWith(error, TableArchiveTexts::tr("%1 cannot be written: %2").arg(location(name), s.detail()));
    discard(name);
    return true;
}

// As in a folder, a part or page that cannot be removed stays to be found
// again; the issue itself has already been told of.
void TableArchive::discard(const QString &name) { (void)StoredFiles::remove(m_reference, partName(name)); }

QByteArray TableArchive::staged(const QString &name) const
{
    QByteArray bytes;
    // Unreadable is as good as none: nothing is finished from it.
    (void)StoredFiles::read(m_reference, partName(name), bytes);
    return bytes;
}

QStringList TableArchive::leftStaged() const
{
    const QString staged = prefix() + QLatin1Char('.');
    QStringList names;
    for (const QString &file : StoredFiles::names(m_reference, QStringLiteral(".part")))
        if (file.startsWith(staged))
            names << file.mid(staged.size()).chopped(int(qstrlen(".part")));
    return names;
}

QStringList TableArchive::kept() const
{
    QStringList names;
    for (const QString &file : StoredFiles::names(m_reference, QString()))
        if (file.startsWith(prefix()) && !file.startsWith(prefix() + QLatin1Char('.')))
            names << file.mid(prefix().size());
    return names;
}

void TableArchive::remove(const QString &name) { (void)StoredFiles::remove(m_reference, prefix() + name); }

QByteArray TableArchive::page(const QString &name) const
{
    QByteArray bytes;
    (void)StoredFiles::read(m_reference, prefix() + name, bytes);
    return bytes;
}

} // namespace arc
