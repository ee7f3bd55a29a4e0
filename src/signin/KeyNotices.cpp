#include "KeyNotices.h"

namespace arc {

QString keyRemovedNotice(const QString &name)
{
    return QStringLiteral("The signing key of %1 was removed with the old password: %1 needs a new signing certificate.")
        .arg(name);
}

} // namespace arc
