#pragma once

namespace arc {

class CertificateOnScreen;
class CertificateScreen;
class ItemGridModel;

// Duplicate: a new certificate with the next numbers, as New starts one,
// carrying the organisation, the form with its block 1, and every item
// line of the one on screen;
// blocks 12 to 14 follow from its lines as for any new certificate.
// Nothing is stored until Save. False when the certificate on screen stays.
bool duplicateCertificate(CertificateOnScreen &certificate, CertificateScreen &screen, ItemGridModel &grid);

} // namespace arc
