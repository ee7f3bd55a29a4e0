#pragma once

#include <QString>
#include <optional>

namespace arc {

// A password or passphrase from standard input. At a terminal it is typed
// without echo after `prompt` and asked for twice; piped, it is one line,
// whose line end (CR LF included) is no part of it. nullopt when none was
// given or the two typed differ, with the reason in `why`. A password that
// is only checked (`confirm` false) is asked for once.
std::optional<QString> readSecret(const QString &prompt, const QString &what, QString &why, bool confirm = true);

} // namespace arc
