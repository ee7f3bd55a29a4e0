#pragma once

#include <QString>

namespace arc::DemoSignature {

// The first demo signatory's electronic signature, a bitmap in the data
// folder, so a printed demo certificate shows one.
QString fileName();
bool write(const QString &dataPath);

} // namespace arc::DemoSignature
