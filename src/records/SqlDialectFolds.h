#pragma once

#include "SqlDialect.h"

#include <QList>
#include <utility>

namespace arc::SqlDialect {

// A schema object's name and the statement making (or dropping) it.
using NamedStatement = std::pair<QString, QString>;

// The fold table, and apart its indexes, created where missing.
QString createFoldTable(const FoldTable &fold, Engine e);
// The columns a fold table of the current layout has: the key, the copied
// and the folded fields, and the fresh mark.
QStringList foldTableColumns(const FoldTable &fold);
// A fold table of an earlier layout goes with its triggers, to be made anew.
QStringList dropFoldTableStatements(const FoldTable &fold, Engine e);
QList<NamedStatement> foldIndexes(const FoldTable &fold);
// The triggers that keep a fold row for each source row on every write,
// folded by the engine where its folding is the program's, else stale.
QList<NamedStatement> foldTriggers(const FoldTable &fold, Engine e);
// Every source row gets a fold row, made as the triggers make it; what
// the table held goes.
QStringList refillFoldTableStatements(const FoldTable &fold, Engine e);
// The triggers of earlier versions, which marked every written row stale,
// with the statements dropping them.
QList<NamedStatement> formerFoldTriggers(const FoldTable &fold, Engine e);
// Up to `limit` stale fold rows: the key, then the copied and the folded
// source fields in the table's order, null when the source row is gone.
QString staleFoldRowsQuery(const FoldTable &fold, int limit, Engine e);
// How many fold rows are stale.
QString staleFoldRowCount(const FoldTable &fold);
// Folds at once every stale row whose source texts are all ASCII, which
// the engine's lower() folds as the program would; marks them fresh.
QString foldAsciiRows(const FoldTable &fold, Engine e);
// Binds the copied and folded values, then the key; marks the row fresh.
QString updateFoldRow(const FoldTable &fold);
QString deleteFoldRow(const FoldTable &fold);
// Around a bulk load into a fold table's source: its trigger off, since
// running it row by row costs more than the load, then on again with
// every copy made anew, stale; the tally's trigger on the copies alike
// (recountAfterLoad counts once all is loaded). Empty where a trigger
// cannot be paused.
QStringList pauseFoldTriggerStatements(const FoldTable &fold, Engine e);
QStringList resumeFoldTriggerStatements(const FoldTable &fold, Engine e);
// The index of a source field a search looks up directly.
NamedStatement searchIndex(const Schema::SourceIndex &index);
// The index of a list order, with the key after it.
NamedStatement listOrderIndex(const Schema::ListOrder &order);

} // namespace arc::SqlDialect
