#pragma once

#include <QByteArray>

namespace arc::bench {

// A letter page of text lines and a signature image as QPdfWriter writes
// it, about as large as a certificate's.
QByteArray samplePage();

} // namespace arc::bench
