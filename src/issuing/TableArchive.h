#pragma once

#include "IssueArchive.h"

namespace arc {

class Database;

// The archive on a database server, where there is no shared folder: each
// page a row of the reference store's Files table, named "Issued/<name>".
class TableArchive : public IssueArchive {
public:
    explicit TableArchive(Database &reference);

    static QString prefix() { return QStringLiteral("Issued/"); }

    bool write(const QString &name, const QByteArray &bytes, QString *error) override;
    bool contains(const QString &name) const override;
    void remove(const QString &name) override;
    QString location(const QString &name) const override;

private:
    Database &m_reference;
};

} // namespace arc
