#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

namespace arc::ArchiveName {

// "<tracking>_<FormIndex>_<yyyyMMddTHHmmssZ>.pdf" with every character
// that is not safe in a file name replaced by "_".
QString make(const QString &tracking, qint64 formIndex, const QDateTime &issuedAt);

// `make`, or when `taken` says that name is in use (a reprint within the
// same second), the first of "..._2.pdf", "..._3.pdf" that is free.
QString unused(const QString &tracking, qint64 formIndex, const QDateTime &issuedAt,
               const std::function<bool(const QString &)> &taken);

} // namespace arc::ArchiveName
