#include "DataFolder.h"

#include "FileSwap.h"
#include "ProgramFolder.h"
#include "ServerUri.h"
#include "WriteTransaction.h"

#include <QDir>
#include <QFileInfo>

namespace arc {

DataFolder::DataFolder() = default;
DataFolder::~DataFolder() { close(); }

void DataFolder::close()
{
    m_header.reset();
    m_detail.reset();
    m_defaults.reset();
    m_parts.reset();
    m_agents.reset();
    m_organizations.reset();
    m_countries.reset();
    m_forwarders.reset();
    m_reads.close();
    m_certificates.close();
    m_reference.close();
    m_open = false;
}

DbStatus DataFolder::open(const QString &path)
{
    close();
    m_path = path;
    // A server holds both stores in one database.
    const bool server = isServer(path);
    DbStatus s = server ? m_certificates.openServer(path, StoreKind::Certificates)
                        : m_certificates.open(path + Schema::fileName(StoreKind::Certificates), StoreKind::Certificates);
    if (!s.ok())
        return s;
    m_header = std::make_unique<DataView>(m_certificates, QStringLiteral("Header"));
    m_detail = std::make_unique<DataView>(m_certificates, QStringLiteral("Detail"));
    m_defaults = std::make_unique<DataView>(m_certificates, QStringLiteral("Defaults"));
    for (DataView *v : {m_header.get(), m_detail.get(), m_defaults.get()})
        if (s = v->refresh(); !s.ok())
            return s;

    s = server ? m_reference.openServer(path, StoreKind::Reference)
               : m_reference.open(path + Schema::fileName(StoreKind::Reference), StoreKind::Reference);
    if (!s.ok())
        return s;
    m_parts = std::make_unique<DataView>(m_reference, QStringLiteral("PartNumbers"));
    m_agents = std::make_unique<DataView>(m_reference, QStringLiteral("Agents"));
    m_organizations = std::make_unique<DataView>(m_reference, QStringLiteral("Organizations"));
    m_countries = std::make_unique<DataView>(m_reference, QStringLiteral("Countries"));
    m_forwarders = std::make_unique<DataView>(m_reference, QStringLiteral("ForwardingHouses"));
    for (DataView *v : {m_parts.get(), m_agents.get(), m_organizations.get(), m_countries.get(), m_forwarders.get()})
        if (s = v->refresh(); !s.ok())
            return s;
    m_open = true;
    return {};
}

DbStatus DataFolder::ensureConnected()
{
    if (!m_open)
        return {};
    const DbStatus s = m_certificates.ensureConnected();
    return s.ok() ? m_reference.ensureConnected() : s;
}

bool DataFolder::isServer(const QString &source) { return ServerUri::isUri(source); }

QString DataFolder::sourceFromArgument(const QString &argument)
{
    return isServer(argument) ? argument : ProgramFolder::withSlash(QDir(argument).absolutePath());
}

bool DataFolder::isUnstarted(const QString &path)
{
    if (isServer(path))
        return false; // an empty server database gets its tables when opened
    const QString certificates = path + Schema::fileName(StoreKind::Certificates);
    if (QFileInfo::exists(certificates) || QFileInfo::exists(path + kConversionRecord))
        return false;
    return !QFileInfo::exists(path + Schema::fileName(StoreKind::Reference))
           || QFileInfo::exists(FileSwap::temporaryName(certificates));
}

namespace {

DbStatus build(const QString &filePath, StoreKind kind)
{
    Database db;
    DbStatus s = db.open(filePath, kind, Database::Mode::CreateIfMissing);
    if (!s.ok() || kind != StoreKind::Certificates)
        return s;
    DataView defaults(db, QStringLiteral("Defaults"));
    if (s = defaults.moveFirst(); !s.ok() || !defaults.isEmpty())
        return s;
    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();
    if (s = defaults.addNew(); !s.ok())
        return s;
    defaults.setValue(QStringLiteral("Country"), QStringLiteral("FAA/United States"));
    if (s = defaults.update(); !s.ok())
        return s;
    return tx.commit();
}

} // namespace

DbStatus DataFolder::create(const QString &path)
{
    if (isServer(path)) {
        DataFolder server;
        return server.open(path);
    }
    const QDir folder(path);
    if (!folder.exists())
        return DbStatus::failure(DbCondition::InvalidPath, path);
    const StoreKind order[] = {StoreKind::Reference, StoreKind::Certificates};
    QStringList built;
    for (StoreKind kind : order) {
        const QString target = path + Schema::fileName(kind);
        if (QFileInfo::exists(target))
            continue;
        const QString building = FileSwap::temporaryName(target);
        FileSwap::discard(building);
        if (const DbStatus s = build(building, kind); !s.ok()) {
            FileSwap::discard(building);
            return s;
        }
        built << target;
    }
    for (const QString &target : built)
        if (const DbStatus s = FileSwap::moveIntoPlace(FileSwap::temporaryName(target), target); !s.ok())
            return s;
    return {};
}

} // namespace arc
