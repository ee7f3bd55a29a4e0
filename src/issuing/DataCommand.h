#pragma once

#include <QStringList>
#include <optional>

namespace arc {

// arc8130-verify FILE.pdf --data [--json]: prints the certificate data a
// signed PDF carries, once its signature and the data are checked, as XML
// or with --json as JSON; needs no data source.
namespace DataCommand {

// Whether the arguments ask for the data.
bool wanted(const QStringList &args);
// Runs it on the file named by `path` (bytes as given): 0 when the data
// was printed, 1 when the file carries none that is sound (told on
// standard output), 2 when it cannot be read or the arguments are wrong.
int run(const QStringList &args, const QByteArray &path);

} // namespace DataCommand

} // namespace arc
