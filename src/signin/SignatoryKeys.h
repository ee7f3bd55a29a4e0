#pragma once

#include <QString>

namespace arc {

class DataFolder;

// What the screens and the command line say and use alike about the
// signatories' signing keys.
namespace SignatoryKeys {

// Said wherever a password reset removed a signatory's key.
QString removedByReset(const QString &name);
// The name the shop's authority is made under: the first organisation's,
// or the program's own when there is none.
QString authorityName(DataFolder &source);

} // namespace SignatoryKeys
} // namespace arc
