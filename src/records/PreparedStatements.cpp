#include "PreparedStatements.h"

namespace arc {

bool PreparedStatements::take(const QSqlDatabase &connection, const QString &sql, bool forwardOnly, QSqlQuery &query)
{
    if (const auto kept = m_kept.find(sql); kept != m_kept.end()) {
        query = std::move(kept->second);
        m_kept.erase(kept);
        return true;
    }
    query = QSqlQuery(connection);
    query.setForwardOnly(forwardOnly);
    return query.prepare(sql);
}

void PreparedStatements::giveBack(const QString &sql, QSqlQuery &&query, quint64 age)
{
    if (age != m_age || m_kept.count(sql) > 0)
        return; // `query` goes with the caller's
    if (m_kept.size() >= kMaxKept)
        m_kept.clear();
    // Read to its end or not, it holds no lock and no rows while kept.
    query.finish();
    m_kept.emplace(sql, std::move(query));
}

void PreparedStatements::clear()
{
    m_kept.clear();
    ++m_age;
}

} // namespace arc
