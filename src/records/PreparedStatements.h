#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <unordered_map>

namespace arc {

// The statements a connection has prepared, kept by their text for the
// next run of the same text: a server prepares a statement in a round trip
// of its own and forgets it in another, and a step through the
// certificates runs the same few statements every time. A statement is
// lent to one reader at a time; a second reader of the same text while
// the first reads gets one of its own, which is not kept.
class PreparedStatements {
public:
    PreparedStatements() = default;
    PreparedStatements(const PreparedStatements &) = delete;
    PreparedStatements &operator=(const PreparedStatements &) = delete;

    // `sql` prepared on `connection`, ready for its values: the one kept,
    // else newly prepared. False, with the driver's error in `query`, when
    // it could not be prepared.
    bool take(const QSqlDatabase &connection, const QString &sql, bool forwardOnly, QSqlQuery &query);
    // Keep `query`, its rows let go, for the next run of `sql`, unless it
    // was prepared on a connection forgotten since (`age` is what age()
    // said when it was taken).
    void giveBack(const QString &sql, QSqlQuery &&query, quint64 age);
    // Forget every statement before the connection closes or is made
    // again: none is run on another.
    void clear();
    quint64 age() const { return m_age; }

private:
    // Texts naming a search's own temporary table are new for every
    // search: what is kept stays bounded.
    static constexpr size_t kMaxKept = 64;
    std::unordered_map<QString, QSqlQuery> m_kept;
    quint64 m_age = 0;
};

} // namespace arc
