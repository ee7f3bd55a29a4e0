#pragma once

#include "DbStatus.h"

#include <QSqlError>

namespace arc::SqlDialect {

// Map an engine error to our condition, naming the refused field when a
// length limit was hit. Either engine's errors are told apart by their
// codes: the server's are five-character SQL states.
DbStatus status(const QSqlError &error);

// The field whose length limit a refused write hit, or empty.
QString refusedField(const QSqlError &error);

} // namespace arc::SqlDialect
