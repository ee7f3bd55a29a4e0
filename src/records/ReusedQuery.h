#pragma once

#include <QSqlQuery>
#include <QString>

namespace arc {

class PreparedStatements;

// A query run by Database::run whose statement, once read, goes back to
// the statements its connection keeps prepared, for the next run of the
// same text. Lives in one function, never longer than its database.
class ReusedQuery {
public:
    ReusedQuery() = default;
    ~ReusedQuery() { release(); }
    ReusedQuery(const ReusedQuery &) = delete;
    ReusedQuery &operator=(const ReusedQuery &) = delete;

    QSqlQuery &operator*() { return m_query; }
    QSqlQuery *operator->() { return &m_query; }
    // Done reading: the statement goes back now.
    void release();

private:
    friend class Database;
    PreparedStatements *m_kept = nullptr;
    QString m_sql;
    quint64 m_age = 0;
    QSqlQuery m_query;
};

} // namespace arc
