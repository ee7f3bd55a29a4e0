#pragma once

#include <QByteArray>
#include <QString>

namespace arc::NewFile {

// Writes `bytes` whole, synced and read-only, as a new plain file: opened
// exclusively without following links, so nothing already standing at
// `path` (a link, a pipe, a device, a file) is written through or over.
// False with `why` set otherwise, and nothing is left at `path`. With
// `lock`, the file stays open and locked (flock) until unlock(), so that
// another process can tell it is still being worked on.
bool write(const QString &path, const QByteArray &bytes, QString *why, int *lock = nullptr);
void unlock(int &lock);

// Whether the plain file at `path` (never through a link) is held by
// no one: its writer is gone. False for anything else at that name.
bool abandoned(const QString &path);

// The hidden name beside `path` a file is written under until it is put
// in place: "<folder>/.<name>.part".
QString partOf(const QString &path);

} // namespace arc::NewFile
