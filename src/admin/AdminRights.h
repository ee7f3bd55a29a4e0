#pragma once

#include "CommandOutcome.h"

#include <optional>

namespace arc {

class DataFolder;

// Which commands of arc8130-admin an administrator must give (`--as NAME`,
// his password the first line of input), and whether the one given is one.
// While no signatory is an administrator, anyone may run them, as the
// master password opens the program then.
namespace AdminRights {

enum class Need {
    Nobody,
    Administrator,
    // An administrator, or the signatory whose key it is: the command
    // itself checks his password, which is among its inputs.
    AdministratorOrOwnKey,
};
// What `command` needs.
Need of(const QString &command);

struct Administrator {
    QString name;
    QString password;
};

// Why `command` may not run on `data` as `as` (nullopt: without --as);
// nullopt when it may.
std::optional<CommandOutcome> refusal(DataFolder &data, const QString &command,
                                      const std::optional<Administrator> &as);

} // namespace AdminRights
} // namespace arc
