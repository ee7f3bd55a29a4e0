#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace arc {

// A file named on a command line, read only when it is a regular file:
// a FIFO would wait for a writer, a device might never end.
namespace RegularFile {

// The SHA-256 of the file; its bytes in `bytes` unless it is larger than
// `keep`. nullopt, with `error`, when it cannot be read.
std::optional<QByteArray> sha256(const QByteArray &path, QByteArray &bytes, qint64 keep, QString &error);

// The file's bytes; nullopt, with `error`, when it cannot be read or is
// larger than `most`.
std::optional<QByteArray> read(const QByteArray &path, qint64 most, QString &error);

} // namespace RegularFile
} // namespace arc
