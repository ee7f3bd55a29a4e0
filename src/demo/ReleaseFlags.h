#pragma once

#include <QString>

namespace arc {

// The four release boxes of a certificate whose lines all carry one status.
// New and prototype parts are released against design data (approved or
// not) and signed by the manufacturing signatory; maintained parts are
// returned to service and signed by the maintenance signatory.
struct ReleaseFlags {
    bool approvedDesign = false;    // New
    bool nonApprovedDesign = false; // Overhaul
    bool cfrReturnToService = false; // CFRRTS
    bool otherRegulation = false;    // OtherRTS

    bool manufacturing() const { return approvedDesign || nonApprovedDesign; }

    // `otherRegulation` picks the second return-to-service box for
    // maintained parts; it is ignored for new and prototype parts.
    static ReleaseFlags forStatus(const QString &status, bool otherRegulation = false);
};

} // namespace arc
