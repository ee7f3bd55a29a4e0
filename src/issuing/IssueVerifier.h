#pragma once

#include "IssueRecord.h"
#include "ProgramFolders.h"
#include "SignatureReport.h"
#include "Supersession.h"

#include <QStringList>

#include <optional>

namespace arc {

// Whether a PDF file is a page issued from a data folder: its hash is the
// hash of a page the folder's issue log names; and what its digital
// signature says, checked against the shop authority the folder keeps.
// Reads, never writes.
class IssueVerifier {
public:
    struct [[nodiscard]] Result {
        enum class Outcome { Issued, NotIssued, Unreadable };
        Outcome outcome = Outcome::NotIssued;
        IssueRecord record;
        QString detail; // why it could not be checked
        SignatureReport signature;
        QString authorityProblem; // why the shop's authority could not be read
        bool hasAuthority = false; // the data source keeps one
        // The issued correction that supersedes the certificate, if any.
        std::optional<SupersededBy> supersededBy;

        // Signed, and not as it was signed.
        bool changedAfterSigning() const
        {
            return signature.isSigned && (!signature.intact || signature.addedAfterSigning);
        }
        // The report's lines on the signature, one "Name: value" each.
        QStringList signatureLines() const;
    };

    // `dataFolder` ends with "/".
    static Result verify(const QString &pdfPath, const QString &dataFolder);
    // The same for a file name as the system spells it, in whatever bytes
    // (a command line's argument).
    static Result verifyFile(const QByteArray &pdfPath, const QString &dataFolder);

    // The data folder recorded in the set-up file the program would read,
    // nullopt (with `error`) when there is none.
    static std::optional<QString> recordedDataFolder(const ProgramFolders &folders, QString *error);
};

} // namespace arc
