#pragma once

#include "DbStatus.h"

#include <QString>
#include <functional>

namespace arc {

// Run `fill` on a data folder and, when it fails, take away the data files
// it made, so that a half-filled folder is never taken for a finished one
// by the next run. Files that were there before are left alone.
DbStatus fillNewFiles(const QString &dataPath, const std::function<DbStatus()> &fill);

} // namespace arc
