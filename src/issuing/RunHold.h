#pragma once

#include <QString>
#include <memory>

namespace arc {

class Database;

// Tells whether the program issuing a run of copies is still at it: while
// it issues it holds a lock that its end, a kill included, lets go (a
// locked file beside a folder's data files; a session lock on a server).
// A run is named by its holder, a UUID made when the run begins.
class RunHold {
public:
    RunHold(const RunHold &) = delete;
    RunHold &operator=(const RunHold &) = delete;
    ~RunHold();

    // A new holder's name.
    static QString newHolder();
    // Whether `holder` is a name newHolder makes (read from the data, it
    // is checked before any path is made of it).
    static bool isHolder(const QString &holder);

    // Held until destroyed; null, `why` set, when the lock cannot be taken.
    static std::unique_ptr<RunHold> take(Database &certificates, const QString &holder, QString *why);
    // Whether a living program holds `holder`. Unknown counts as held.
    static bool held(Database &certificates, const QString &holder);
    // Removes what a holder that is gone left behind.
    static void clear(Database &certificates, const QString &holder);

private:
    RunHold(Database &certificates, QString holder) : m_db(certificates), m_holder(std::move(holder)) {}

    Database &m_db;
    QString m_holder;
    int m_lock = -1;
};

} // namespace arc
