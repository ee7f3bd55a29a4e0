#pragma once

#include "Database.h"

namespace arc::SignatoryPasswords {

// Whether any signatory has the administrator right; until one has, the
// master password opens the program for the first set-up. Any non-zero
// value counts (Access stores true as -1). Signatories that cannot be read
// may hold one: `exists` is then true and the reason is returned.
DbStatus administratorExists(const Database &reference, bool &exists);

// Whether the signatory in row `rowId` of Agents has the administrator
// right; false when the row cannot be read or is gone.
DbStatus isAdministrator(const Database &reference, qint64 rowId, bool &administrator);

// Store the hash of `password` as the password of the signatory in row
// `rowId` of Agents.
DbStatus store(Database &reference, qint64 rowId, const QString &password);

// Give the one signatory named exactly `name` a new password. Refused for
// an empty password, an unknown name (ItemNotFound) or a name that several
// signatories share.
DbStatus reset(Database &reference, const QString &name, const QString &password);

} // namespace arc::SignatoryPasswords
