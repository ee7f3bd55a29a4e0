#pragma once

#include <functional>
#include <optional>

#include "CommandOutcome.h"

#include <QByteArray>

namespace arc {

class DataFolder;

// What arc8130-admin does to the signatories of an open data source.
namespace SignatoryCommands {

// A new password for the one signatory named exactly `name`. The signing
// key kept under the old password can never be opened again and goes with it.
// When its certificate is the shop authority's, `passphrase` is asked for
// the authority's passphrase and the certificate is revoked (superseded),
// so that a copy of the old key signs nothing trusted; no answer or an
// empty one skips that, and the outcome says it is still to be done. A
// wrong passphrase changes nothing.
CommandOutcome resetPassword(DataFolder &data, const QString &name, const QString &password,
                             const std::function<std::optional<QString>()> &passphrase = {});

// A signature bitmap, `bytes`, put where the signatories panel lists it
// under `fileName`; one of that name already there is never replaced.
CommandOutcome addSignature(DataFolder &data, const QString &fileName, const QByteArray &bytes);

} // namespace SignatoryCommands
} // namespace arc
