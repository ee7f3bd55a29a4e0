#pragma once

#include "DbStatus.h"

#include <QDate>
#include <QString>

namespace arc {

class Database;
class ReaderRoute;

// The item lines a signatory released in a period, by status.
struct ActivityCounts {
    int newParts = 0;   // "NEW"
    int prototypes = 0; // "PROTOTYPE"
    int repairs = 0;    // "REPAIRED"

    // Count the lines, statuses compared without regard to case, of the
    // certificates whose block 13e or 14e date lies from `from` to `to`,
    // both included, and whose block 13d or 14d name is `name` (also
    // without regard to case). Folds what was written since the last
    // search or count first.
    static DbStatus count(Database &certificates, const QString &name, const QDate &from, const QDate &to,
                          ActivityCounts &out);
    // The same, folded on the primary and counted where `reads` reads.
    static DbStatus count(ReaderRoute &reads, const QString &name, const QDate &from, const QDate &to,
                          ActivityCounts &out);

private:
    static DbStatus tally(Database &db, const QString &name, const QDate &from, const QDate &to, ActivityCounts &out);
};

} // namespace arc
