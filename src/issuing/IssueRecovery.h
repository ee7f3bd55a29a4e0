#pragma once

#include "DbStatus.h"

namespace arc {

class Database;
class IssueArchive;

// Completes or takes back what a killed program left of its issues, when
// a data source is opened: a staged page whose row was committed is put in
// place with the user's copy, any other staged page and copy is removed,
// and so is a kept page no row names. Nothing is touched when the log
// cannot be read.
DbStatus finishInterruptedIssues(Database &certificates, IssueArchive &archive);

} // namespace arc
