#pragma once

#include "DbStatus.h"

namespace arc::FileSwap {

// A file is built under a temporary name beside its place and moved there
// only when complete, so a program killed on the way never leaves a file
// that looks finished but is not.
QString temporaryName(const QString &target);

// Remove a file built earlier, with the journal the engine may have left.
void discard(const QString &path);

// Rename `from` to `target`, which must not exist yet, and make the rename
// itself durable.
DbStatus moveIntoPlace(const QString &from, const QString &target);

} // namespace arc::FileSwap
