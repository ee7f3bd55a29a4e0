#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace arc {

class SignatureStore;

// The signature kept under `name` as it prints into a box of `box` pixels,
// for a panel to show before it is used; null when it cannot be read.
QImage signaturePreview(const SignatureStore &store, const QString &name, const QSize &box);

} // namespace arc
