#pragma once

#include "KeyStore.h"

#include <QCoreApplication>

namespace arc {

class Database;

// The keys in the Files table of a server database, under "Keys/" and the
// entry's name, so that every station of the shop finds them.
class TableKeys : public KeyStore {
public:
    explicit TableKeys(Database &reference) : m_reference(reference) {}

    QString place() const override { return QCoreApplication::translate("TableKeys", "the database"); }
    static QString fileOf(const QString &entry) { return QStringLiteral("Keys/") + entry + QStringLiteral(".pem"); }

protected:
    Found read(const QString &entry, QByteArray &content, KeyStoreFailure &failure) const override;
    bool write(const QString &entry, const QByteArray &content, QString *error) override;
    bool remove(const QString &entry, QString *error) override;

private:
    Database &m_reference;
};

} // namespace arc
