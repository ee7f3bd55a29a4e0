#pragma once

#include <QString>
#include <optional>

namespace arc::CertificateNumbering {

// Digits with an optional sign and decimal point.
bool isNumeric(const QString &text);

// The number a new certificate gets from the last one issued (nullopt:
// none issued yet), with the automatic increase on or off. Counting, a
// number of any other pattern counts up its last run of digits.
QString tracking(const std::optional<QString> &last, bool increase); // at least six digits
QString invoice(const std::optional<QString> &last, bool increase);  // no padding
inline QString batch(const std::optional<QString> &last, bool increase) { return invoice(last, increase); }

} // namespace arc::CertificateNumbering
