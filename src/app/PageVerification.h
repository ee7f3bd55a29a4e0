#pragma once

#include "MessageBoxes.h"
#include "QrMatrix.h"

#include <QString>
#include <optional>

namespace arc {

class CertificateContent;
class DataView;

// The QR code an issued page carries: the verification address of the
// stored certificate (`VerifyBaseUrl` of the set-up), or, with none set,
// its form, number and content hash as text.
namespace PageVerification {

// nullopt, and `why` says so, when the set address is not a web address
// or no QR code can hold what it would.
std::optional<QrMatrix> of(const QString &verifyBase, const CertificateContent &stored, QString *why = nullptr);
// The same with the address read afresh from the set-up.
std::optional<QrMatrix> of(DataView &defaults, const CertificateContent &stored, QString *why = nullptr);

// What the user is told when the code cannot be made; nothing is issued.
Message notMade(const QString &why);

} // namespace PageVerification

} // namespace arc
