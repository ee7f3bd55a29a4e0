#pragma once

#include "RemarksInputs.h"
#include "Statements.h"

#include <functional>

namespace arc::RemarksBuilder {

// The stored text of a stamp code, or nullopt when there is none or it
// cannot be read (the stamp is then left out).
using StampLookUp = std::function<std::optional<QString>(const QString &code)>;

// Whether the status takes the new-part recipe: "NEW", "PROTOTYPE", or the
// single blank an empty status is stored as. Anything else, an empty
// status too, takes the maintenance recipe.
bool isNewPart(const QString &status);

// The builder's texts from the statements the shop keeps.
StatementTexts textsOf(const QList<Statement> &stored);

// Block 12 as composed from `in`, lines broken with CR LF.
QString compose(const RemarksInputs &in, const StampLookUp &stampText);

} // namespace arc::RemarksBuilder
