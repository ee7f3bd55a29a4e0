#pragma once

#include <QString>

namespace arc {

class MessageBoxes;

// A data folder kept by the earlier Access-based program: the user is asked
// whether to convert it now, and told how it went.
namespace AccessConversion {

// Whether `folder` holds Access data files, was offered, and was
// converted. False when it holds none, when the user said No, or when the
// conversion failed (and the user has been told why).
bool offer(const QString &folder, MessageBoxes &messages);

} // namespace AccessConversion
} // namespace arc
