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
// The last run of digits counted up, its width kept unless it overflows
// (SKY-26-0001 gives SKY-26-0002, B999 gives B1000); a text without digits
// comes back as it is.
QString lastRunCounted(const QString &last);
inline QString batch(const std::optional<QString> &last, bool increase) { return invoice(last, increase); }

} // namespace arc::CertificateNumbering
