#pragma once

#include "Database.h"
#include "Progress.h"

#include <QDate>
#include <QStringList>
#include <vector>

namespace arc {

// The register of certificates as a spreadsheet takes it: one row per item
// line (one for a certificate without lines), with what the issue log
// knows of issued ones, then the void numbers of the period.
namespace RegisterExport {

// A certificate's day is its 13e date, else its 14e date. With a bound
// set, a certificate without a day is left out; bounds are inclusive.
struct Period {
    QDate from, to; // invalid: open
    bool holds(const QDate &day) const;
};

QStringList header();
// The rows of the period, in key order, lines in stored order.
DbStatus rows(Database &certificates, const Period &period, std::vector<QStringList> &out);
// The header row and `rows` as an RFC 4180 file in UTF-8, marked as such
// so that a spreadsheet opens it without asking.
QByteArray csv(const std::vector<QStringList> &rows);
// Why the register of this data source may not be written to `path`
// whatever the user says: one of the source's own files, or a place in
// its Keys/ or Issued/ folder. Empty when it may.
QString refusal(const Database &certificates, const QString &path);
// Whether something stands at `path` that writing would replace.
bool exists(const QString &path);
enum class Existing { Keep, Replace };

// What a register written holds.
struct Written {
    int certificates = 0;
    int lines = 0;
    int voids = 0;
};
// What the user is told of a register written to `path`:
// "18 certificates, 34 lines written to FILE".
QString told(const Written &written, const QString &path);

// Writes the register of the period to `path`, whole or not at all,
// through a temporary file beside it; `count` receives what it holds. Refused, nothing written, where `refusal` says so, and over a
// file already there unless told to replace it. `progress` hears the
// stored rows gone through of all; asked to stop, the file stays as it
// was (Cancelled).
DbStatus write(Database &certificates, const Period &period, const QString &path, Written *count = nullptr,
               const Progress &progress = {}, Existing existing = Existing::Keep);

} // namespace RegisterExport

} // namespace arc
