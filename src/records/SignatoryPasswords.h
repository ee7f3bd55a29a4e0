#pragma once

#include "Database.h"

namespace arc::SignatoryPasswords {

// Whether any signatory has the administrator right; until one has, the
// master password opens the program for the first set-up.
bool administratorExists(const Database &reference);

// Store the hash of `password` as the password of the signatory in row
// `rowId` of Agents.
DbStatus store(Database &reference, qint64 rowId, const QString &password);

// Give the one signatory named exactly `name` a new password. Refused for
// an empty password, an unknown name (ItemNotFound) or a name that several
// signatories share.
DbStatus reset(Database &reference, const QString &name, const QString &password);

} // namespace arc::SignatoryPasswords
