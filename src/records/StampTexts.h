#pragma once

#include "Database.h"

#include <optional>

namespace arc::StampTexts {

// A stamp code is looked up only when it starts with a capital A to Z.
bool isCode(const QString &code);

// The text stored for a stamp code; nullopt when there is none (or the
// look-up failed, which `status` tells).
std::optional<QString> text(const Database &reference, const QString &code, DbStatus *status = nullptr);

// Store a stamp's text under its code, replacing the text of an existing
// code.
DbStatus save(Database &reference, const QString &code, const QString &text);

} // namespace arc::StampTexts
