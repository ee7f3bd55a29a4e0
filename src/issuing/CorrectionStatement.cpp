#include "CorrectionStatement.h"

#include "BlankRule.h"
#include "CorrectionOpening.h"
#include "DateText.h"

namespace arc::CorrectionStatement {

QString text(const QStringList &blocks, const QString &tracking, const QDate &dated)
{
    return (correctionOpening() + QStringLiteral("%1 of FAA Form 8130-3 %2 dated %3."))
        .arg(blocks.join(QStringLiteral(", ")), tracking.trimmed(), DateText::format(dated));
}

QString remarks(const QString &statement, const QString &remarks)
{
    return BlankRule::isBlank(remarks) ? statement : statement + QLatin1Char('\n') + remarks;
}

} // namespace arc::CorrectionStatement
