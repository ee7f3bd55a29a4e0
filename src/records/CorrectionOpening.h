#pragma once

#include "FormNames.h"

#include <QString>
#include <QStringList>

namespace arc {

// A form as a correction names it: "FAA Form 8130-3", "EASA Form 1", "CAA
// Form 1".
inline QString correctionFormName(const QString &form)
{
    if (FormNames::isFaa(form))
        return QStringLiteral("FAA Form 8130-3");
    return FormNames::isUk(form) ? QStringLiteral("CAA Form 1") : QStringLiteral("EASA Form 1");
}

// The words a correcting certificate's block 12 opens with: what tells a
// correction from a certificate that releases parts. Each form's own.
inline QString correctionOpening(const QString &form = FormNames::kFaa)
{
    return QStringLiteral("This %1 corrects the error(s) in Block(s) ").arg(correctionFormName(form));
}
inline QStringList correctionOpenings()
{
    return {correctionOpening(FormNames::kFaa), correctionOpening(FormNames::kEasaMaintenance),
            correctionOpening(FormNames::kUkMaintenance)};
}

} // namespace arc
