#pragma once

#include "Database.h"

#include <QByteArray>
#include <QList>

namespace arc {

// A signatory's request for a signing certificate as kept: by his row, with
// the name and approval number it was made for, the PKCS#10 request (PEM)
// and when it was made (UTC, ISO 8601).
struct RequestRow {
    qint64 signatory = 0;
    QString name, approvalNumber;
    QByteArray request;
    QString requestedAt;
};

// The requests awaiting an administrator's approval, one a signatory.
namespace RequestRows {

// A new request replaces the signatory's earlier one.
DbStatus put(Database &reference, const RequestRow &row);
// ItemNotFound when the signatory has none.
DbStatus of(const Database &reference, qint64 signatory, RequestRow &out);
// Every request, oldest first.
DbStatus all(const Database &reference, QList<RequestRow> &out);
// None kept is no failure.
DbStatus remove(Database &reference, qint64 signatory);

} // namespace RequestRows
} // namespace arc
