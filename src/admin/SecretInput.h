#pragma once

#include <QString>
#include <optional>

namespace arc {

// A password or passphrase from standard input. At a terminal it is typed
// without echo after `prompt` and asked for twice; piped, it is one line,
// whose line end (CR LF included) is no part of it. nullopt when none was
// given or the two typed differ, with the reason in `why`.
std::optional<QString> readSecret(const QString &prompt, const QString &what, QString &why);

} // namespace arc
