#pragma once

#include "SignatureStore.h"

#include <QCoreApplication>

namespace arc {

class Database;

// The signatures in the Files table of a server database: no folder is
// shared between stations.
class TableSignatures : public SignatureStore {
public:
    explicit TableSignatures(Database &reference) : m_reference(reference) {}

    QStringList names() const override;
    QByteArray read(const QString &name) const override;
    Added add(const QString &name, const QByteArray &content, QString *error) override;
    QString location(const QString &name) const override
    {
        return QCoreApplication::translate("TableSignatures", "%1 (stored in the server database)").arg(name);
    }
    QString place() const override { return QCoreApplication::translate("TableSignatures", "the database"); }

private:
    Database &m_reference;
};

} // namespace arc
