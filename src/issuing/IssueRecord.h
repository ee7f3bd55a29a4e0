#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace arc {

// One row of the issue log: a page issued with a signature, its archived
// PDF and the hashes that tell whether either was altered since.
struct IssueRecord {
    qint64 formIndex = 0;
    QString tracking;
    QDateTime issuedAt; // UTC, whole seconds
    QString signatory;
    int copies = 1;
    QString pdfFile; // the archive's name for the page
    QString pdfSha256;
    QString contentSha256;
    // What the check before printing found and the user passed over.
    QStringList passedFindings;

    // The day of issue as the user reads it, in local time.
    QDate localDay() const { return issuedAt.toLocalTime().date(); }
};

} // namespace arc
