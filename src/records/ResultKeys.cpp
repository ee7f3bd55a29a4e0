#include "ResultKeys.h"

#include "Database.h"
#include "ReusedQuery.h"

#include <QSqlQuery>
#include <algorithm>
#include <limits>

namespace arc {

namespace {

// The first part lists the first rows of a large result at once; later
// parts grow, so that reading it whole takes few statements.
constexpr qint64 kFirstPart = 1024;
constexpr qint64 kLargestPart = 16384;

} // namespace

DbStatus ResultKeys::readAll(const Database &source, const QString &keyQuery, const QVariantList &binds)
{
    QSqlQuery q;
    if (DbStatus s = source.run(q, keyQuery, binds); !s.ok())
        return s;
    if (q.size() > 0)
        m_keys.reserve(static_cast<size_t>(q.size()));
    while (q.next())
        m_keys.push_back(q.value(0).toLongLong());
    m_complete = true;
    return {};
}

DbStatus ResultKeys::readAscending(const Database &source, const QString &keyQuery, const QVariantList &binds,
                                   const QString &keyColumn)
{
    m_source = &source;
    // Both engines take the condition and the order into the search itself.
    m_partQuery = QStringLiteral("SELECT k.%1 FROM (%2) k WHERE k.%1 > ? ORDER BY k.%1 LIMIT ?").arg(keyColumn, keyQuery);
    m_binds = binds;
    m_after = std::numeric_limits<qint64>::min();
    m_partSize = kFirstPart;
    m_complete = false;
    return readPart();
}

DbStatus ResultKeys::readPart()
{
    if (m_complete)
        return {};
    std::vector<qint64> part;
    for (;;) {
        part.clear();
        ReusedQuery q;
        QVariantList binds = m_binds;
        binds << m_after << m_partSize;
        if (DbStatus s = m_source->run(q, m_partQuery, binds); !s.ok())
            return s;
        while (q->next())
            part.push_back(q->value(0).toLongLong());
        if (static_cast<qint64>(part.size()) < m_partSize) {
            m_complete = true;
            break;
        }
        // A full part may end inside the rows of its last key: they are
        // read with the next part, in a larger one when they fill it.
        const auto run = std::lower_bound(part.begin(), part.end(), part.back());
        if (run != part.begin()) {
            part.erase(run, part.end());
            break;
        }
        m_partSize *= 2;
    }
    m_partSize = std::min(m_partSize * 2, std::max(m_partSize, kLargestPart));
    if (!part.empty())
        m_after = part.back();
    m_keys.insert(m_keys.end(), part.begin(), part.end());
    if (m_complete) {
        m_keys.insert(m_keys.end(), m_included.begin(), m_included.end());
        m_included.clear();
    }
    return {};
}

DbStatus ResultKeys::readUpTo(qint64 count)
{
    DbStatus s;
    while (s.ok() && !m_complete && static_cast<qint64>(m_keys.size()) < count)
        s = readPart();
    return s;
}

void ResultKeys::include(qint64 key)
{
    (m_complete ? m_keys : m_included).push_back(key);
}

} // namespace arc
