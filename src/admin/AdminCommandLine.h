#pragma once

#include <QHash>
#include <QStringList>
#include <optional>

namespace arc {

// The command line of arc8130-admin: `[--as ADMIN] COMMAND ARGUMENTS...`
// (`--as` may stand anywhere, also as `--as=ADMIN`).
struct AdminCommandLine {
    std::optional<QString> as; // the administrator who runs it
    QString command;
    QStringList arguments; // after the command: the data source first
    // token-key's --module, --token and --key (each also as --name=VALUE),
    // under their names without dashes.
    QHash<QString, QString> options;

    // nullopt when the line is not one of a known command with its
    // number of arguments.
    static std::optional<AdminCommandLine> parse(const QStringList &args);
};

} // namespace arc
