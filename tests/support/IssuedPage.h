#pragma once

#include "ArchiveOf.h"
#include "DataFolder.h"
#include "IssueRecorder.h"

#include <QRectF>

// Pat Doe's `pdf` of the certificate `formIndex` to issue, signed with `key`
// when one is given, the signature's field over the signature box.
inline arc::IssueRequest issueRequest(qint64 formIndex, const QByteArray &pdf, const arc::SigningKey *key = nullptr)
{
    arc::IssueRequest r;
    r.formIndex = formIndex;
    r.signatory = "Pat Doe";
    r.pdf = pdf;
    r.signingKey = key;
    r.signatureField = QRectF(36, 200, 180, 40);
    return r;
}

// `r` issued into the archive of `data`, logged through its certificates or,
// as another workstation logs it, through `certificates`.
inline arc::IssueResult recordIssue(arc::DataFolder &data, const arc::IssueRequest &r,
                                    arc::Database *certificates = nullptr)
{
    return arc::IssueRecorder(certificates ? *certificates : data.certificates(), *arc::archiveOf(data)).record(r);
}
