#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace arc {

// What the verification page tells of one issued certificate.
struct Verification {
    enum class Outcome {
        Found,
        NoMatch,     // no such tracking number, or not with this code
        Unavailable, // the register cannot be read now
    };
    struct Item {
        QString partNumber, description, serialNumber, quantity, status;
    };
    // The issued correction that supersedes it.
    struct Correction {
        QString tracking;
        QString code; // its own verification code; empty when its log row cannot be found
        QDate issuedOn;
    };

    Outcome outcome = Outcome::NoMatch;
    QString form;
    QString tracking;
    QString code;
    QString organisation;
    QString approval;
    QDateTime issuedAt; // UTC
    QDate issuedOn;     // its local day
    QString signatory;
    // Empty when the certificate was deleted since it was issued.
    std::vector<Item> items;
    bool deleted = false;
    bool withdrawnSigner = false; // its signer's certificate was withdrawn before the issue
    std::optional<Correction> supersededBy;
    bool offersPdf = false; // the set-up lets the page link to the signed PDF
    QString pdfFile;        // the archive's name for it
    QString pdfSha256;
};

} // namespace arc
