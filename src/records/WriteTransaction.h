#pragma once

#include "DbStatus.h"

namespace arc {

class Database;

// Holds the write lock of a database from construction to commit();
// anything not committed is rolled back when the guard goes away.
// Nested guards on one database join the outer transaction.
class WriteTransaction {
public:
    explicit WriteTransaction(Database &db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;

    const DbStatus &status() const { return m_status; }
    bool ok() const { return m_status.ok(); }
    DbStatus commit();

private:
    Database &m_db;
    DbStatus m_status;
    bool m_done = false;
};

} // namespace arc
