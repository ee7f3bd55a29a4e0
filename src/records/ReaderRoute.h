#pragma once

#include "Database.h"

#include <QElapsedTimer>
#include <QString>
#include <functional>

namespace arc {

// Why the reads go where they go. The window decides the words.
enum class ReadReason {
    NoStandby,      // none is set, or the data source is a folder
    Standby,        // the standby answers, replaying in time
    CatchingUp,     // a write made here is not replayed there yet
    InvalidAddress, // the standby's address is not a server's URI
    Unreachable,    // the standby cannot be reached
    OtherSchema,    // it holds no store of this program's version
    SameAsPrimary,  // the address names the primary itself
    NotInRecovery,  // it is no standby (never one, or promoted)
    Lagging,        // its replay is further behind than allowed
};

// Where the searches, lists, reports and exports that only read are read
// from: a hot standby of the primary server while it is one, reachable and
// not lagging, else the primary. Saving, numbering and issuing never ask:
// they always use the primary. A write made through the primary at this
// workstation is read from the primary until the standby has replayed it.
class ReaderRoute {
public:
    explicit ReaderRoute(Database &primary) : m_primary(primary) {}
    ~ReaderRoute();
    ReaderRoute(const ReaderRoute &) = delete;
    ReaderRoute &operator=(const ReaderRoute &) = delete;

    // The standby's URI; empty reads from the primary.
    void setReplica(const QString &uri);
    const QString &replica() const { return m_replica; }
    // Replay older than this while the primary is further on: lagging.
    void setLagLimit(int seconds) { m_lagLimit = seconds; }
    // How long a standby that could not be reached is left alone.
    void setRetryInterval(int milliseconds) { m_retryMs = milliseconds; }

    Database &primary() const { return m_primary; }
    // The database to read from now; decided afresh at each call.
    Database &reader();
    // The Qt connection name of that database, for a reader of its own.
    QString connectionName();
    ReadReason reason() const { return m_reason; }
    // What the standby's server said, for the reasons that have it.
    const QString &detail() const { return m_detail; }
    // Told once each time the reads move to or away from the standby (a
    // write being caught up with moves nothing).
    void onChange(std::function<void(ReadReason, const QString &)> told) { m_told = std::move(told); }

    // Lets go of the standby's connection (the data source closes).
    void close();

private:
    Database &decide();
    Database &fromPrimary(ReadReason why, const QString &detail = {});
    bool readPrimary(QString &identity, QString &lsn);
    void setReason(ReadReason why, const QString &detail);

    Database &m_primary;
    Database m_standby;
    QString m_replica;
    int m_lagLimit = 30;
    int m_retryMs = 10000;
    QElapsedTimer m_sinceFailure; // valid while a failure to connect is recent
    quint64 m_writesSeen = 0;
    QString m_awaited; // the primary's WAL position after a write made here
    ReadReason m_reason = ReadReason::NoStandby;
    ReadReason m_toldReason = ReadReason::NoStandby;
    QString m_detail;
    std::function<void(ReadReason, const QString &)> m_told;
};

} // namespace arc
