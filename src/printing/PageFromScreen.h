#pragma once

#include "CertificatePage.h"
#include "CertificateStore.h"

namespace arc {

// Who signs a page: the signed-in signatory's name and the signature he
// uses (null when none, or when he does not sign electronically).
struct PageSigner {
    QString name;
    QImage signature;
};

// The page of what the certificate screen holds: its boxes as the screen
// gives them (CertificateScreen::entries with the ten item slots) and who
// signs it. Line breaks become CR LF; the print settings are read by the
// print command for every copy.
CertificatePage pageFromScreen(const CertificateEntries &entries, const PageSigner &signer);

} // namespace arc
