#pragma once

#include "IssueArchive.h"

namespace arc {

class Database;

// The archive on a database server, where there is no shared folder: each
// page a row of the reference store's Files table, named "Issued/<name>",
// staged as "Issued/.<name>.part". A staged row cannot tell whether its
// station still works on it: its owner is never taken for gone.
class TableArchive : public IssueArchive {
public:
    explicit TableArchive(Database &reference);

    static QString prefix() { return QStringLiteral("Issued/"); }

    bool stage(const QString &name, const QByteArray &bytes, QString *error) override;
    bool publish(const QString &name, QString *error) override;
    void discard(const QString &name) override;
    QByteArray staged(const QString &name) const override;
    QStringList leftStaged() const override;
    bool ownerGone(const QString &) const override { return false; }
    QStringList kept() const override;
    QByteArray page(const QString &name) const override;

    bool contains(const QString &name) const override;
    void remove(const QString &name) override;
    QString location(const QString &name) const override;

private:
    Database &m_reference;
};

} // namespace arc
