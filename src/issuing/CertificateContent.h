#pragma once

#include "CertificateStore.h"
#include "Database.h"

#include <QHash>
#include <QVariant>
#include <array>
#include <optional>
#include <vector>

namespace arc {

// A certificate as it is stored: the Header fields in table order and the
// item lines in stored order, every value as the file holds it (null kept
// apart from " "). Its canonical text, and the hash of that, stand for the
// certificate in the issue log.
class CertificateContent {
public:
    static constexpr int kLineFields = 6; // ContentFields::kLine
    using Line = std::array<QVariant, kLineFields>;

    // The stored certificate; nullopt when there is no such Header row or
    // it cannot be read (`status` says which).
    static std::optional<CertificateContent> read(Database &db, qint64 formIndex, DbStatus *status = nullptr);
    // What saving `entries` over `stored` would store: the blank rule and
    // CR LF line breaks, lines up to the first empty one, a date box that
    // holds no date keeping the stored date.
    static CertificateContent afterSave(const CertificateEntries &entries, const CertificateContent &stored);

    // The content of the values given by field name (null when not given),
    // in the table's order, as the data a PDF carries names them.
    static CertificateContent of(qint64 formIndex, const QHash<QString, QVariant> &header, std::vector<Line> lines);

    // The boxes as the screen shows this certificate: dates as
    // "DD/MMM/YYYY", a null as empty, every line.
    CertificateEntries entries() const;

    qint64 formIndex() const { return m_formIndex; }
    QVariant value(const QString &field) const;
    const std::vector<Line> &lines() const { return m_lines; }

    QByteArray canonicalText() const;
    // Hex SHA-256 of the canonical text, lower case.
    QString sha256() const;

    // The blocks of the form whose values differ, in the form's order:
    // "1", "3" to "12", then "13a", "13c" to "13e" and "14a", "14c" to "14e".
    // A null and a blank value do not differ: the page shows both alike.
    QStringList differingBlocks(const CertificateContent &other) const;
    // Whether the two would print as one page (no block differs).
    bool readsAlike(const CertificateContent &other) const { return differingBlocks(other).isEmpty(); }

    // The 13e or 14e date of the block in use (row 0's status), or of the
    // other block when that one holds none; invalid when neither does.
    QDate signingDate() const;

    // Stored byte for byte alike, as the content hash sees it.
    bool operator==(const CertificateContent &other) const { return canonicalText() == other.canonicalText(); }

private:
    qint64 m_formIndex = 0;
    std::vector<std::pair<QString, QVariant>> m_header; // every Header field but the key
    std::vector<Line> m_lines;
};

} // namespace arc
