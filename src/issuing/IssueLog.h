#pragma once

#include "Database.h"
#include "IssueRecord.h"

#include <optional>

namespace arc {

// The IssueLog table of a certificates file: rows are only ever added.
class IssueLog {
public:
    explicit IssueLog(Database &db) : m_db(db) {}

    DbStatus add(const IssueRecord &record);
    // The first and the latest issue of a certificate, nullopt when it was
    // never issued (or the log could not be read: see `status`).
    std::optional<IssueRecord> first(qint64 formIndex, DbStatus *status = nullptr) const;
    std::optional<IssueRecord> last(qint64 formIndex, DbStatus *status = nullptr) const;
    // The issue whose archived page has this name.
    std::optional<IssueRecord> withPdfFile(const QString &name, DbStatus *status = nullptr) const;
    // The issue whose archived PDF has this hash.
    std::optional<IssueRecord> withPdfSha256(const QString &hex, DbStatus *status = nullptr) const;
    int count(qint64 formIndex, DbStatus *status = nullptr) const;

private:
    std::optional<IssueRecord> one(const QString &condition, const QString &order, const QVariantList &binds,
                                   DbStatus *status) const;

    Database &m_db;
};

} // namespace arc
