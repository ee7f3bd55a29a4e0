#pragma once

#include "MessageBoxes.h"
#include "ReferenceLists.h"

#include <QList>
#include <optional>

namespace arc {

// The names of the signatories as a person tells them apart: no two alike,
// whatever the case or the spaces around them.
namespace SignatoryNames {

// Whether two names are one to a reader: trimmed, case ignored.
bool same(const QString &a, const QString &b);

// The other signatory (not `ownRow`) who has `name` already.
std::optional<AgentEntry> takenBy(const QList<AgentEntry> &signatories, const QString &name, qint64 ownRow);

// The refusal of a name `other` has already.
Message taken(const AgentEntry &other);

// How `entry` is listed: its name, and its approval number in brackets
// when another signatory has the same name (converted data may have two).
QString label(const AgentEntry &entry, const QList<AgentEntry> &signatories);

} // namespace SignatoryNames
} // namespace arc
