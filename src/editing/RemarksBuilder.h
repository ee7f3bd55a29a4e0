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

// The dual-release statement with the other authority's approval of the
// organisation; empty when none is due or the organisation holds no such
// approval. On the FAA form it is due when "Other regulation specified in
// block 12" is ticked or a JAA member is the export country; on an EASA or
// UK form when the box is ticked.
QString dualRelease(const RemarksInputs &in);

// Whether `remarks` states `statement`, whatever its case, line breaks or
// runs of blanks; an empty statement is held by nothing.
bool holds(const QString &remarks, const QString &statement);

// Block 12 as composed from `in`, lines broken with CR LF.
QString compose(const RemarksInputs &in, const StampLookUp &stampText);

} // namespace arc::RemarksBuilder
