#pragma once

#include "Database.h"

#include <QDate>
#include <QHash>
#include <optional>

namespace arc {

// A certificate is superseded once a correction of it is issued: a stored
// correction not yet issued supersedes nothing. Corrections are noted, as
// they are stored, in the Corrections table.
struct SupersededBy {
    qint64 formIndex = 0; // the correction's
    QString tracking;     // its number as issued
    QDate issuedOn;       // the local day of its first issue
};

namespace Supersession {

// Note that `correction` corrects `corrected`; inside the caller's
// transaction, with the correction's own row.
DbStatus note(Database &certificates, qint64 correction, qint64 corrected);

// The first issued correction of the certificate `formIndex`; nullopt when
// none is issued, or when it cannot be read (`status` says which).
std::optional<SupersededBy> of(Database &certificates, qint64 formIndex, DbStatus *status = nullptr);

// The same for every superseded certificate, by its key.
DbStatus all(Database &certificates, QHash<qint64, SupersededBy> &out);

} // namespace Supersession
} // namespace arc
