#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace arc {

// The endings a signature picture may be kept under, lower case, dot
// included.
QStringList signatureEndings();
// The ending for a picture's content: ".bmp", ".png" or ".jpg"; empty for
// anything else.
QString signatureEnding(const QByteArray &content);

// The name a chosen signature picture is kept under: its own file name
// without its picture ending, every character but letters, digits, "-",
// "_" and "." made "_", then `ending` (the picture's own format); with
// "-2", "-3", ... before the ending when the name, in any case, is among
// `taken`.
QString signatureName(const QString &chosenFile, const QStringList &taken, const QString &ending = QStringLiteral(".bmp"));

} // namespace arc
