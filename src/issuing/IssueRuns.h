#pragma once

#include "Database.h"
#include "RunHold.h"

#include <QDateTime>
#include <memory>
#include <vector>

namespace arc {

// A run of copies issued together, as the log keeps it: its size and its
// first tracking number, the signatory and the certificates in order.
struct IssueRun {
    qint64 index = 0;
    QString firstTracking;
    int size = 0;
    QString signatory;
    QDateTime startedAt;
    std::vector<qint64> keys;
    QString holder;
    int issued = 0; // of `keys`, those the issue log holds (read by `cutOff`)

    // "run of 20 from VAS-26-0040: 7 issued, 13 not"
    QString summary() const;
};

// The IssueRuns table: a run is written before its first page is issued
// and ended once all are and the user's file or print is made, or when the
// user leaves its rest unissued. A run not ended whose program is gone
// was cut off.
class IssueRuns {
public:
    explicit IssueRuns(Database &certificates) : m_db(certificates) {}

    struct Begun {
        DbStatus status;
        IssueRun run;
        std::unique_ptr<RunHold> hold; // the run is this program's while held
    };
    // A run of `keys` (in order) about to be issued by `signatory`.
    Begun begin(const std::vector<qint64> &keys, const QString &signatory);
    // A cut-off run taken over to issue its rest.
    Begun resume(const IssueRun &run);
    enum class Ending { Issued, Left };
    DbStatus end(const IssueRun &run, Ending ending);

    // The runs begun and not ended whose program is gone, oldest first,
    // each with how many of its copies were issued.
    std::vector<IssueRun> cutOff(DbStatus *status = nullptr) const;
    // The run's certificates that the issue log does not hold, in order.
    std::vector<qint64> unissued(const IssueRun &run, DbStatus *status = nullptr) const;

private:
    Database &m_db;
};

} // namespace arc
