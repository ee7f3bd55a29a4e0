#pragma once

#include "CommandOutcome.h"

#include <QByteArray>

namespace arc {

class DataFolder;

// What arc8130-admin does to the signatories of an open data source.
namespace SignatoryCommands {

// A new password for the one signatory named exactly `name`. The signing
// key kept under the old password can never be opened again and goes with it.
CommandOutcome resetPassword(DataFolder &data, const QString &name, const QString &password);

// A signature bitmap, `bytes`, put where the signatories panel lists it
// under `fileName`; one of that name already there is never replaced.
CommandOutcome addSignature(DataFolder &data, const QString &fileName, const QByteArray &bytes);

} // namespace SignatoryCommands
} // namespace arc
