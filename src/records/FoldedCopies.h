#pragma once

#include "DbStatus.h"
#include "Progress.h"

namespace arc {

class Database;

// The case-folded copies searches and counts compare (see FoldTable).
namespace FoldedCopies {

// Make what a file of ours lacks of them: the fold tables with their
// indexes, the triggers and the search indexes. A fold table whose
// triggers were missing (or were an earlier version's) cannot know which
// rows changed meanwhile: all its copies are made again, and folded.
// `progress` hears of each table and index set made, and may stop the
// making between two (Cancelled: nothing of it is kept).
DbStatus ensure(Database &db, const Progress &progress = {});

// Fold every stale copy: the rows the triggers left to the program (texts
// beyond ASCII) since the last search. Done in batches, each its own
// transaction, so a large backlog does not hold the file's lock
// throughout; `progress` hears of each batch and may stop the folding
// between two (Cancelled), what was folded staying folded.
DbStatus bringUpToDate(Database &db, const Progress &progress = {});

// After copies were made or folded in bulk inside a transaction, once it
// is committed: a server's copies freshly written are otherwise read row by
// row until its own vacuum passes, a search of a common part number taking
// several times as long. Nothing to do on a file, or inside a transaction.
DbStatus settle(Database &db);

} // namespace FoldedCopies
} // namespace arc
