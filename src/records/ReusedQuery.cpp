#include "ReusedQuery.h"

#include "PreparedStatements.h"

namespace arc {

void ReusedQuery::release()
{
    if (!m_kept)
        return;
    m_kept->giveBack(m_sql, std::move(m_query), m_age);
    m_kept = nullptr;
    m_query = QSqlQuery();
}

} // namespace arc
