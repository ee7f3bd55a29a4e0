#pragma once

#include "CertificatePage.h"
#include "CertificateStore.h"

namespace arc {

// The page of what the certificate screen holds: its boxes as the screen
// gives them (CertificateScreen::entries with the ten item slots) and the
// loaded signature (null when none). Line breaks become CR LF; the print
// settings are read by the print command for every copy.
CertificatePage pageFromScreen(const CertificateEntries &entries, const QImage &signature);

} // namespace arc
