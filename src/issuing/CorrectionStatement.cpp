#include "CorrectionStatement.h"

#include "BlankRule.h"
#include "CorrectionOpening.h"
#include "DateText.h"

namespace arc::CorrectionStatement {

QString text(const QStringList &blocks, const QString &tracking, const QDate &dated, const QString &form,
             const QString &correctedForm)
{
    return (correctionOpening(form) + QStringLiteral("%1 of %2 %3 dated %4."))
        .arg(blocks.join(QStringLiteral(", ")), correctionFormName(correctedForm), tracking.trimmed(),
             DateText::format(dated));
}

QString remarks(const QString &statement, const QString &remarks)
{
    return BlankRule::isBlank(remarks) ? statement : statement + QLatin1Char('\n') + remarks;
}

} // namespace arc::CorrectionStatement
