#pragma once

#include "IssueArchive.h"
#include "IssueRecord.h"

#include "Database.h"

#include <QRectF>

#include <chrono>

namespace arc {

class SigningKey;

// A page going out with a signature.
struct IssueRequest {
    qint64 formIndex = 0;
    QString signatory;
    int copies = 1;
    QByteArray pdf;    // one copy, exactly as issued
    // Where the user's own copy goes, if anywhere: written beside it under
    // a temporary name and put in place once the row is committed.
    QString userFile;
    // The content hash of the stored certificate the page was drawn from;
    // empty to take the one stored now.
    QString contentSha256;
    QDateTime issuedAt; // now, unless a test says otherwise
    // The signatory's key: the page is signed with it before it is kept,
    // the signature's field over `signatureField` (PDF points from the
    // page's lower-left corner). Null: the page goes out as it is.
    const SigningKey *signingKey = nullptr;
    QRectF signatureField;
    // What the check before printing found and the user printed anyway.
    QStringList passedFindings;
};

struct [[nodiscard]] IssueResult {
    enum class Outcome {
        Recorded,
        NotStored,      // no stored certificate of that key
        ContentChanged, // the stored certificate is not the one drawn; nothing kept or logged
        ArchiveFailed,  // the page could not be kept; nothing logged
        CopyFailed,     // the user's copy could not be written; nothing kept or logged
        SigningFailed,  // the page could not be signed or time-stamped; nothing kept or logged
        LogFailed,      // the row could not be written; the page was taken back
    };
    Outcome outcome = Outcome::Recorded;
    IssueRecord record;
    QString detail;
    bool ok() const { return outcome == Outcome::Recorded; }
};

// Keeps an issued page and logs it as one step: the page and the user's
// copy are written under temporary names first, the row after them, and
// only a committed row puts them in place; a row that cannot be written
// takes them back. A kill at any moment leaves temporary files only, which
// finishInterruptedIssues completes or removes.
// The archive name of the note that says where the user's copy of a
// page is being written.
QString userCopyNote(const QString &page);

class IssueRecorder {
public:
    // A time-stamp service set for the data source is waited for at most
    // `timeStampWait`; the program keeps the default.
    IssueRecorder(Database &certificates, IssueArchive &archive,
                  std::chrono::milliseconds timeStampWait = std::chrono::seconds(10))
        : m_db(certificates), m_archive(archive), m_timeStampWait(timeStampWait)
    {
    }

    IssueResult record(const IssueRequest &request);

private:
    Database &m_db;
    IssueArchive &m_archive;
    std::chrono::milliseconds m_timeStampWait;
};

} // namespace arc
