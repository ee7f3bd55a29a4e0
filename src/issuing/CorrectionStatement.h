#pragma once

#include <QDate>
#include <QStringList>

namespace arc::CorrectionStatement {

// "This FAA Form 8130-3 corrects the error(s) in Block(s) <blocks> of FAA
// Form 8130-3 <tracking> dated <DD/MMM/YYYY>.", each form named as it is:
// the correcting certificate's first, the corrected one's second.
QString text(const QStringList &blocks, const QString &tracking, const QDate &dated, const QString &form = {},
             const QString &correctedForm = {});

// Block 12 of the correcting certificate: the statement, then on the next
// line the remarks (screen line breaks), unless they are blank.
QString remarks(const QString &statement, const QString &remarks);

} // namespace arc::CorrectionStatement
