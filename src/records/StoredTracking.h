#pragma once

#include "DbStatus.h"

#include <QDate>
#include <QString>
#include <optional>

namespace arc {

class Database;

namespace StoredTracking {

// Whether a certificate other than the one keyed `exceptFormIndex` (0: any
// certificate) holds this block 3 number, whoever wrote its row. Numbers
// match as the page shows them: blanks around them and letter case aside.
// A blank number is never in use. `status` says when the store could not
// be asked; the answer is then true, so a caller never takes a number it
// could not check.
bool onAnother(const Database &certificates, const QString &tracking, qint64 exceptFormIndex, DbStatus *status = nullptr);

// The certificate that holds the number, matched as above: its key and its
// date (13e, else 14e; null when it has neither). None when no other
// certificate holds it or the store could not be asked (`status` says).
struct Holder {
    qint64 formIndex = 0;
    QDate date;
};
std::optional<Holder> holder(const Database &certificates, const QString &tracking, qint64 exceptFormIndex,
                             DbStatus &status);

} // namespace StoredTracking
} // namespace arc
