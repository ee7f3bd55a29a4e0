#include "SetupStore.h"

#include "WriteTransaction.h"

#include <QDir>

namespace arc {

DbStatus SetupStore::open(const QString &programFolder)
{
    m_setup.reset();
    DbStatus s = m_db.open(QDir(programFolder).filePath(Schema::fileName(StoreKind::Setup)), StoreKind::Setup,
                           Database::Mode::CreateIfMissing);
    if (!s.ok())
        return s;
    m_setup = std::make_unique<DataView>(m_db, QStringLiteral("Setup"));
    s = m_setup->moveFirst();
    if (!s.ok() || !m_setup->isEmpty())
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

std::optional<QString> SetupStore::dataPath(DbStatus *status)
{
    DbStatus s = m_setup ? m_setup->moveFirst() : DbStatus::failure(DbCondition::Other, "set-up not open");
    if (status)
        *status = s;
    if (!s.ok() || !m_setup->hasRow())
        return std::nullopt;
    const QVariant v = m_setup->value(QStringLiteral("DataPath"));
    if (v.isNull())
        return std::nullopt;
    return v.toString();
}

DbStatus SetupStore::setDataPath(const std::optional<QString> &path)
{
    if (!m_setup)
        return DbStatus::failure(DbCondition::Other, "set-up not open");
    DbStatus s = m_setup->moveFirst();
    if (!s.ok())
        return s;
    if (s = m_setup->edit(); !s.ok())
        return s;
    m_setup->setValue(QStringLiteral("DataPath"), path ? QVariant(*path) : QVariant());
    return m_setup->update();
}

} // namespace arc
