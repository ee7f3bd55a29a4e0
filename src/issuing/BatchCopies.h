#pragma once

#include "CertificateStore.h"
#include "DataFolder.h"
#include "Progress.h"

#include <QStringList>
#include <vector>

namespace arc {

// Issue for serial numbers: copies of one certificate, each with its own
// tracking number from the counter and its own serial number on item line 1.
namespace BatchCopies {

constexpr int kFewest = 2;
constexpr int kMost = 500;

// `count` serial numbers from `first` on, each the one before counted up
// by its last run of digits, width kept. Empty when `first` has no digits.
QStringList serials(const QString &first, int count);

struct [[nodiscard]] Result {
    DbStatus status;
    std::vector<qint64> keys; // stored, in order
    QStringList trackings;
};

// Stores one copy of `entries` per serial number in one transaction. All
// or nothing: on any failure, a value too long for its field included, or
// when `progress` asks to stop (Cancelled), nothing is stored and the
// counter keeps its number.
Result store(DataFolder &folder, const CertificateEntries &entries, const QStringList &serials,
             const Progress &progress = {});

} // namespace BatchCopies

} // namespace arc
