#pragma once

#include "MdbTable.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>

namespace arc {

namespace MdbExport {

// Whether the mdbtools programs are on the path.
bool available();

// Where the mdbtools programs are taken from instead of the path: a
// stand-in that prints exported text of any size, for measuring the
// conversion of more certificates than an Access file made here can hold.
// Empty: the path.
void setProgramFolder(const QString &folder);

// The tables of a Jet file; nullopt with `error` set when it cannot be read.
std::optional<QStringList> tables(const QString &file, QString *error);

// A table read with mdb-export: CSV with a header, texts quoted and their
// quotes doubled, nulls left empty and unquoted, dates as YYYY-MM-DD.
// `goOn` is asked now and then while mdb-export runs; false stops it.
std::optional<MdbTable> read(const QString &file, const QString &table, QString *error,
                             const std::function<bool()> &goOn = {});

// How many rows the file itself records for a table (mdb-count), to hold
// what was read against: a damaged page is skipped by the reader without
// an error.
std::optional<qint64> rowCount(const QString &file, const QString &table, QString *error);

// That CSV, parsed; nullopt when it is cut short or malformed.
std::optional<MdbTable> parse(const QByteArray &csv);

} // namespace MdbExport
} // namespace arc
