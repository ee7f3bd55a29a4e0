#include "PageFromScreen.h"

#include "LineBreaks.h"

namespace arc {

CertificatePage pageFromScreen(const CertificateEntries &e, const PageSigner &signer)
{
    using LineBreaks::toStored;
    CertificatePage p;
    p.country = e.country;
    p.tracking = e.tracking;
    p.organ1 = toStored(e.organ1);
    p.organ2 = toStored(e.organ2);
    p.invoice = toStored(e.invoice);
    p.remarks = toStored(e.remarks);
    for (int r = 0; r < kItemSlots; ++r) {
        ItemLine line = e.lines[r];
        for (QString *v : {&line.item, &line.description, &line.partNum, &line.quantity, &line.serialNum, &line.status})
            *v = toStored(*v);
        p.lines[r] = line;
    }
    p.approvedDesign = e.approvedDesign;
    p.nonApprovedDesign = e.nonApprovedDesign;
    p.authNum = e.authNum;
    p.name17 = e.name17;
    p.date18 = e.date18;
    p.cfrReturnToService = e.cfrReturnToService;
    p.otherRegulation = e.otherRegulation;
    p.certNum = e.certNum;
    p.name22 = e.name22;
    p.date23 = e.date23;
    p.signer = signer.name;
    p.signature = signer.signature;
    return p;
}

} // namespace arc
