#pragma once

#include <QString>

namespace arc {

// The words a correcting certificate's block 12 opens with: what tells a
// correction from a certificate that releases parts.
inline QString correctionOpening()
{
    return QStringLiteral("This FAA Form 8130-3 corrects the error(s) in Block(s) ");
}

} // namespace arc
