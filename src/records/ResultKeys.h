#pragma once

#include "DbStatus.h"

#include <QString>
#include <QVariantList>
#include <vector>

namespace arc {

class Database;

// The keys a search selected, one per row it selected, as a walk over
// them needs them. Read in the query's order all at once, or in ascending
// order a part at a time: a search of most of a large table then costs
// the reading of its first part, and the rest is read as it is reached.
// Keys included after the search come after every key it selected.
class ResultKeys {
public:
    // Every key now, in the order `keyQuery` gives them.
    DbStatus readAll(const Database &source, const QString &keyQuery, const QVariantList &binds);
    // The first part now, in ascending order of `keyColumn`, the column
    // `keyQuery` selects; `source` is read for the rest too, so it must
    // outlive these keys.
    DbStatus readAscending(const Database &source, const QString &keyQuery, const QVariantList &binds,
                           const QString &keyColumn);

    // The keys read so far, in walking order.
    const std::vector<qint64> &keys() const { return m_keys; }
    // Whether every key is read.
    bool complete() const { return m_complete; }
    // Read on until at least `count` keys are held, or all of them are.
    DbStatus readUpTo(qint64 count);
    // Read one more part, if any is left.
    DbStatus readPart();
    void include(qint64 key);

private:
    const Database *m_source = nullptr;
    QString m_partQuery;
    QVariantList m_binds;
    std::vector<qint64> m_keys;
    std::vector<qint64> m_included; // walked once every selected key is read
    qint64 m_after = 0;             // every key up to this one is read
    qint64 m_partSize = 0;
    bool m_complete = true;
};

} // namespace arc
