#pragma once

#include "CertificateBuilder.h"

#include <optional>

namespace arc {

// Whether a certificate from another authority names the signatory it is
// brought in for: its common name his name, ignoring case and spaces, and
// its serialNumber, where it has one, his approval number.
namespace CertificateHolder {

// Why `certificate` is not `signatory`'s, naming both; nullopt when it is.
// The fault is NotTheSignatory.
std::optional<SigningError> notNaming(X509 *certificate, const CertificateSubject &signatory);

// A name or number as compared: without case or any white space.
QString comparable(const QString &text);

} // namespace CertificateHolder
} // namespace arc
