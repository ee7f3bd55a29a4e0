#pragma once

#include "DbStatus.h"

#include <QByteArray>
#include <QStringList>

namespace arc {

class Database;

// The files a server database keeps where a data folder keeps files beside
// its data files (signature bitmaps): by bare file name, in the reference
// store's Files table.
namespace StoredFiles {

// Bigger files are refused: a signature bitmap is a few hundred kilobytes.
constexpr qint64 kMaxBytes = 8 * 1024 * 1024;

// ItemNotFound when there is no file of that name.
DbStatus read(Database &reference, const QString &name, QByteArray &content);
// Stores the file, replacing one of the same name.
DbStatus write(Database &reference, const QString &name, const QByteArray &content);
// Takes the file back; no file of that name is no failure.
DbStatus remove(Database &reference, const QString &name);
// The names ending with `suffix` (compared without regard to case), sorted.
QStringList names(Database &reference, const QString &suffix, DbStatus *status = nullptr);

} // namespace StoredFiles
} // namespace arc
