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

// A conversion of `folder` cut short after it began to move files is
// finished, without asking (the files are converted already), and the
// user told so. Nothing happens in a folder where none was cut short.
void finishCutShort(const QString &folder, MessageBoxes &messages);

} // namespace AccessConversion
} // namespace arc
