#pragma once

#include "SqlDialectFolds.h"

namespace arc::SqlDialect {

// The tally of released lines a signatory's period is counted from (see
// Schema::activityTable): the table, its indexes, and the triggers on the
// fold tables that count a certificate again whenever a copy of its
// header or of one of its lines changes.
QString createActivityTable(Engine e);
QList<NamedStatement> activityIndexes();
// The list's sort keys (see Schema::listKeysTable), kept by the same
// triggers and counted anew with the tally.
QString createListKeysTable(Engine e);
QList<NamedStatement> listKeysIndexes(Engine e);
// The expression of a sort key over the certificate's row `r` of it, where
// `column` is "PartNum", "Status" or "Signatory".
QString listKey(const char *column);
// The list's keys keep, for each certificate, a bit set of its lines'
// folded statuses, a mark for each first letter, added to as lines are
// stored (a line changed or removed may leave its mark). A certificate
// found by a status beginning with `foldedBeginning` has its mark, so that
// a walk sorted by status passes over, from its index alone, those that
// cannot be found; every mark (-1) for an empty beginning.
qint64 statusMark(const QString &foldedBeginning);
// The condition over the certificate's row `r` of sort keys that it has
// the bound mark.
QString statusMarksFilter();
QList<NamedStatement> activityTriggers(Engine e);
// The triggers again, each with the statement dropping it; run before the
// fold tables are filled in bulk, which would count a certificate per row.
QList<NamedStatement> dropActivityTriggers(Engine e);
// Every certificate counted anew from the fold tables, and its sort keys
// taken anew; what the tables held goes.
QStringList refillActivityTable(Engine e);
// Around a bulk load (see pauseFoldTriggerStatements): the trigger on
// `foldTable` off, then on again; once every table is loaded, the tally
// and the sort keys counted anew, once.
QStringList pauseActivityTrigger(const QString &foldTable, Engine e);
QStringList resumeActivityTrigger(const QString &foldTable, Engine e);
QStringList recountAfterLoad(Engine e);
// The new, prototype and repaired lines of the certificates under a
// folded signatory with a day from the first bound day up to, not
// including, the second; a certificate on two such days counted once.
QString activityCountQuery();

} // namespace arc::SqlDialect
