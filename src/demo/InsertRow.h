#pragma once

#include "DbStatus.h"

#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace arc {

class DataView;

using FieldValues = std::vector<std::pair<QString, QVariant>>;

// Add one row to the view's table through the view, so every value is
// bound and typed by the schema. A value refused as too long is a failure
// here: made-up data that does not fit its field is our own mistake.
// `key` receives the new row's counter key, for tables that have one.
DbStatus insertRow(DataView &view, const FieldValues &values, qint64 *key = nullptr);

} // namespace arc
