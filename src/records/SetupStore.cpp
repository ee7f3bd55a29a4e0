#include "SetupStore.h"

#include "FileSwap.h"
#include "ProgramFolder.h"
#include "WriteTransaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace arc {

namespace {

QString setupFile(const QString &folder) { return ProgramFolder::withSlash(folder) + Schema::fileName(StoreKind::Setup); }

} // namespace

DbStatus SetupStore::create(const QString &folder)
{
    const QString target = setupFile(folder);
    const QString building = FileSwap::temporaryName(target);
    FileSwap::discard(building);
    {
        Database db;
        DbStatus s = db.open(building, StoreKind::Setup, Database::Mode::CreateIfMissing);
        if (s.ok())
            s = db.exec(QStringLiteral("INSERT INTO \"Setup\" (\"DataPath\") VALUES (NULL)"));
        if (!s.ok()) {
            db.close();
            FileSwap::discard(building);
            return s;
        }
    }
    return FileSwap::moveIntoPlace(building, target);
}

DbStatus SetupStore::open(const ProgramFolders &folders)
{
    m_folders = folders;
    m_setup.reset();
    m_db.close();
    const QString own = setupFile(folders.program);
    const QString perUser = setupFile(folders.perUser.isEmpty() ? folders.program : folders.perUser);
    const bool separate = perUser != own;

    if (QFileInfo::exists(own) && folders.programWritable)
        return openFile(own, Database::Mode::ExistingOnly);
    // A copy written earlier because the program's folder could not be.
    if (separate && QFileInfo::exists(perUser))
        return openFile(perUser, Database::Mode::ExistingOnly);
    if (QFileInfo::exists(own))
        return openFile(own, Database::Mode::ReadOnly);

    const QString where = folders.programWritable || !separate ? folders.program : folders.perUser;
    QDir().mkpath(where);
    if (const DbStatus s = create(where); !s.ok())
        return s;
    return openFile(setupFile(where), Database::Mode::ExistingOnly);
}

DbStatus SetupStore::openFile(const QString &filePath, Database::Mode mode)
{
    m_setup.reset();
    DbStatus s = m_db.open(filePath, StoreKind::Setup, mode);
    if (!s.ok())
        return s;
    m_setup = std::make_unique<DataView>(m_db, QStringLiteral("Setup"));
    if (s = m_setup->moveFirst(); !s.ok() || !m_setup->isEmpty() || m_db.isReadOnly())
        return s;
    // The set-up file always holds its one row.
    WriteTransaction tx(m_db);
    if (!tx.ok())
        return tx.status();
    if (s = m_setup->addNew(); !s.ok())
        return s;
    if (s = m_setup->update(); !s.ok())
        return s;
    if (s = tx.commit(); !s.ok())
        return s;
    return m_setup->moveFirst();
}

QString SetupStore::homeFolder() const { return ProgramFolder::withSlash(m_folders.home()); }

std::optional<QString> SetupStore::dataPath(DbStatus *status)
{
    DbStatus s = m_setup ? m_setup->moveFirst() : DbStatus::failure(DbCondition::Other, "set-up not open");
    if (status)
        *status = s;
    if (!s.ok() || !m_setup->hasRow())
        return std::nullopt;
    const QVariant v = m_setup->value(QStringLiteral("DataPath"));
    // Empty text names no folder; read as a path it would be the working
    // directory, wherever the program happened to be started from.
    if (v.isNull() || v.toString().trimmed().isEmpty())
        return std::nullopt;
    return v.toString();
}

DbStatus SetupStore::moveToPerUserFolder()
{
    const QString perUserFolder = m_folders.perUser;
    const QString target = setupFile(perUserFolder);
    if (perUserFolder.isEmpty() || target == m_db.filePath())
        return DbStatus::failure(DbCondition::ReadOnly, m_db.filePath());
    const QString source = m_db.filePath();
    m_setup.reset();
    m_db.close();
    QDir().mkpath(perUserFolder);
    const QString building = FileSwap::temporaryName(target);
    FileSwap::discard(building);
    if (!QFile::copy(source, building)) {
        (void)openFile(source, Database::Mode::ReadOnly); // the copy's failure is the one told
        return DbStatus::failure(DbCondition::ReadOnly, target);
    }
    QFile::setPermissions(building, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    if (DbStatus s = FileSwap::moveIntoPlace(building, target); !s.ok()) {
        (void)openFile(source, Database::Mode::ReadOnly); // the copy's failure is the one told
        return s;
    }
    return openFile(target, Database::Mode::ExistingOnly);
}

DbStatus SetupStore::setDataPath(const std::optional<QString> &path)
{
    return setField(QStringLiteral("DataPath"), path ? QVariant(*path) : QVariant());
}

QString SetupStore::replicaUri(DbStatus *status)
{
    DbStatus s = m_setup ? m_setup->moveFirst() : DbStatus::failure(DbCondition::Other, "set-up not open");
    if (status)
        *status = s;
    if (!s.ok() || !m_setup->hasRow())
        return {};
    return m_setup->text(QStringLiteral("ReplicaUri")).trimmed();
}

DbStatus SetupStore::setReplicaUri(const QString &uri)
{
    const QString kept = uri.trimmed();
    return setField(QStringLiteral("ReplicaUri"), kept.isEmpty() ? QVariant() : QVariant(kept));
}

DbStatus SetupStore::setField(const QString &field, const QVariant &value)
{
    if (!m_setup)
        return DbStatus::failure(DbCondition::Other, "set-up not open");
    if (m_db.isReadOnly()) {
        if (DbStatus s = moveToPerUserFolder(); !s.ok())
            return s;
    }
    DbStatus s = m_setup->moveFirst();
    if (!s.ok())
        return s;
    if (s = m_setup->edit(); !s.ok())
        return s;
    m_setup->setValue(field, value);
    return m_setup->update();
}

} // namespace arc
