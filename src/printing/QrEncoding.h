#pragma once

#include "QrMatrix.h"

#include <QString>
#include <optional>

namespace arc {

// A text as a QR code (byte mode, UTF-8, error correction level M, the
// smallest version that holds it); nullopt when no QR code can hold it.
namespace QrEncoding {

std::optional<QrMatrix> of(const QString &text);

} // namespace QrEncoding

} // namespace arc
