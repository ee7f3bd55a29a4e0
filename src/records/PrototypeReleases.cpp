#include "PrototypeReleases.h"

#include "BlankRule.h"
#include "Database.h"

namespace arc::PrototypeReleases {

bool released(const Database &db, const QString &partNum, const QString &serialNum, qint64 exceptFormIndex,
              DbStatus &status)
{
    status = {};
    const QString part = partNum.trimmed().toUpper();
    const QString serial = serialNum.trimmed().toUpper();
    if (BlankRule::isBlank(part) || BlankRule::isBlank(serial) || serial == QLatin1String("N/A"))
        return false;
    return db
        .scalar(QStringLiteral("SELECT 1 FROM \"Detail\" WHERE upper(trim(\"PartNum\")) = ? "
                               "AND upper(trim(\"SerialNum\")) = ? AND upper(trim(\"Status\")) = 'PROTOTYPE' "
                               "AND \"FormIndex\" <> ? LIMIT 1"),
                {part, serial, exceptFormIndex}, &status)
        .isValid();
}

} // namespace arc::PrototypeReleases
