#include "DataFolder.h"

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
    m_certificates.close();
    m_reference.close();
    m_open = false;
}

DbStatus DataFolder::open(const QString &path)
{
    close();
    m_path = path;
    DbStatus s = m_certificates.open(path + Schema::fileName(StoreKind::Certificates), StoreKind::Certificates);
    if (!s.ok())
        return s;
    m_header = std::make_unique<DataView>(m_certificates, QStringLiteral("Header"));
    m_detail = std::make_unique<DataView>(m_certificates, QStringLiteral("Detail"));
    m_defaults = std::make_unique<DataView>(m_certificates, QStringLiteral("Defaults"));
    for (DataView *v : {m_header.get(), m_detail.get(), m_defaults.get()})
        if (s = v->refresh(); !s.ok())
            return s;

    s = m_reference.open(path + Schema::fileName(StoreKind::Reference), StoreKind::Reference);
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

bool DataFolder::exists(const QString &path)
{
    return QFileInfo::exists(path + Schema::fileName(StoreKind::Certificates));
}

DbStatus DataFolder::create(const QString &path)
{
    Database certificates;
    DbStatus s = certificates.open(path + Schema::fileName(StoreKind::Certificates), StoreKind::Certificates,
                                   Database::Mode::CreateIfMissing);
    if (!s.ok())
        return s;
    {
        DataView defaults(certificates, QStringLiteral("Defaults"));
        if (s = defaults.moveFirst(); !s.ok())
            return s;
        if (defaults.isEmpty()) {
            WriteTransaction tx(certificates);
            if (!tx.ok())
                return tx.status();
            defaults.addNew();
            defaults.setValue(QStringLiteral("Country"), QStringLiteral("FAA/United States"));
            if (s = defaults.update(); !s.ok())
                return s;
            if (s = tx.commit(); !s.ok())
                return s;
        }
    }
    Database reference;
    return reference.open(path + Schema::fileName(StoreKind::Reference), StoreKind::Reference,
                          Database::Mode::CreateIfMissing);
}

} // namespace arc
