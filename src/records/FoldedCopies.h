#pragma once

#include "DbStatus.h"

namespace arc {

class Database;

// The case-folded copies searches and counts compare (see FoldTable).
namespace FoldedCopies {

// Make what a file of ours lacks of them: the fold tables with their
// indexes, the triggers and the search indexes. A fold table whose
// triggers were missing cannot know which rows changed meanwhile: all its
// copies are made again, stale until the next search folds them.
DbStatus ensure(Database &db);

// Fold every stale copy: rows another program or this one wrote since the
// last search. Done in batches, each its own transaction, so a large
// backlog does not hold the file's lock throughout.
DbStatus bringUpToDate(Database &db);

} // namespace FoldedCopies
} // namespace arc
