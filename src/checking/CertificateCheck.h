#pragma once

#include "CertificateStore.h"
#include "Finding.h"
#include "ReferenceLists.h"

#include <QDate>
#include <QStringList>
#include <optional>

namespace arc {

// The certificate as the screen holds it, and what only the store knows.
struct CheckedCertificate {
    CertificateEntries entries;
    bool trackingUsedElsewhere = false; // another stored certificate has this tracking number
    QDate today;
    // Blocks the page cannot hold whole, each already a finding.
    QStringList cut;
    // The shop's dual-release statements, as stored now and as first
    // stored: block 12 holding one names another authority's release.
    QStringList dualReleaseStatements;
    // The set-up asks for a digital signature on every PDF, and whether the
    // signatory named in the block in use holds a signing certificate.
    bool signatureRequired = false;
    bool signingCertificate = true;
    // The organisation of block 4 as kept under Set-up, with its approvals;
    // none when block 4 names no kept organisation.
    std::optional<OrganizationEntry> organisation;
};

// The mistakes for which receiving inspection rejects a tag, found before
// the page is printed. Each finding is one line that starts with the block
// it concerns ("Block 3: ..."), of a kind that says whether it stops the
// issue of a signed page; none means the certificate may be printed
// without a question.
namespace CertificateCheck {

QList<Finding> findings(const CheckedCertificate &certificate);

} // namespace CertificateCheck
} // namespace arc
