#pragma once

#include "DataFolder.h"
#include "DbStatus.h"
#include "MessageBoxes.h"

namespace arc::FolderMessages {

// A data folder that cannot be used, named with the reason. `inUse` is the
// folder that stays in use after a refused choice; empty at start-up, when
// the folder stays recorded for the next start.
Message unusable(const QString &path, const DbStatus &status, const QString &inUse = {});

// New, empty data files were made because no data folder was chosen yet.
Message created(const QString &path);

// The server in use cannot be reached now; `server` is named as the store
// names it (without its password), followed by what that meant.
Message serverUnreachable(const QString &server, const QString &consequence);

// Whether the server in use (if any) can be reached, reconnecting when its
// connection was lost; tells the user when not, that nothing was saved.
bool ensureReachable(DataFolder &folder, MessageBoxes &messages);

// An action that writes while no data folder is open.
Message noneOpen();

// Whether a data folder is open; tells the user when not.
bool ensureOpen(const DataFolder &folder, MessageBoxes &messages);

// What could not be read or stored, with the engine's reason; nothing
// stored before was lost.
Message storeFailure(const QString &what, const DbStatus &status);

// Whether no other stored certificate than `formIndex` (0 for a new one)
// holds the number `tracking`; tells the user which does, or that it could
// not be read, when not.
bool numberIsFree(DataFolder &folder, MessageBoxes &messages, const QString &tracking, qint64 formIndex);

} // namespace arc::FolderMessages
