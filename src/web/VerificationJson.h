#pragma once

#include "Verification.h"

#include <QByteArray>

namespace arc {

// The verification page's facts as JSON, for a receiving shop's system.
namespace VerificationJson {

QByteArray found(const Verification &v);
// {"error": why}
QByteArray error(const QString &why);

} // namespace VerificationJson
} // namespace arc
