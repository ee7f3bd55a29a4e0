#pragma once

#include <QString>
#include <QStringList>

namespace arc {

// The name a chosen signature bitmap is kept under: its own file name with
// every character but letters, digits, "-", "_" and "." made "_", ending in
// ".bmp"; with "-2", "-3", ... before the ending when the name, in any
// case, is among `taken`.
QString signatureName(const QString &chosenFile, const QStringList &taken);

} // namespace arc
