#pragma once

#include <QStringList>
#include <optional>

namespace arc {

// The command line of arc8130-admin: `[--as ADMIN] COMMAND ARGUMENTS...`
// (`--as` may stand anywhere, also as `--as=ADMIN`).
struct AdminCommandLine {
    std::optional<QString> as; // the administrator who runs it
    QString command;
    QStringList arguments; // after the command: the data source first

    // nullopt when the line is not one of a known command with its
    // number of arguments.
    static std::optional<AdminCommandLine> parse(const QStringList &args);
};

} // namespace arc
