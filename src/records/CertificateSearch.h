#pragma once

#include "DbStatus.h"

#include <QDate>
#include <QString>
#include <vector>

namespace arc {

class DataFolder;

// One condition of a search: a text field of Header or Detail beginning
// with a text, without regard to case, or a date field on a day.
struct SearchCondition {
    QString table; // "Header" or "Detail"
    QString field;
    QString beginsWith;
    QDate day; // set for a date field
};

// One certificate a search found, as the list of results shows it: its
// day (13e, else 14e), the first line of block 4, its first item line's
// part number and status, and the signatory of the block in use.
struct FoundCertificate {
    qint64 formIndex = 0;
    QString tracking;
    QDate date;
    QString organization, partNum, status, signatory;
    bool operator==(const FoundCertificate &) const = default;
};

// Lets the header view walk the certificates meeting every condition, in
// key order: a certificate once for each item line it meets them with (a
// Detail condition is met by any one line), none without lines. With no
// condition, every certificate with lines.
class CertificateSearch {
public:
    // Folds what was written since the last search first. On failure the
    // header view walks what it walked before.
    static DbStatus show(DataFolder &folder, const std::vector<SearchCondition> &conditions);

    // The query selecting the keys, one row per matching line, with its
    // values; ItemNotFound for a field that is not searched.
    static DbStatus keyQuery(const std::vector<SearchCondition> &conditions, QString &sql, QVariantList &binds);
};

} // namespace arc
