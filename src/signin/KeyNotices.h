#pragma once

#include <QString>

namespace arc {

// What the administrator is told when a password reset took a signatory's
// signing key with it: the key was kept under the old password only.
QString keyRemovedNotice(const QString &name);

} // namespace arc
