#include "PageFromScreen.h"

#include "LineBreaks.h"

namespace arc {

CertificatePage pageFromScreen(const CertificateEntries &e, const PageSigner &signer)
{
    using LineBreaks::toStored;
    CertificatePage p;
    static_cast<CertificateEntries &>(p) = e;
    for (const CertificateField &f : CertificateFields::all()) {
        if (f.kind != FieldKind::Lines)
            continue;
        if (f.lineText)
            for (ItemLine &line : p.lines)
                line.*f.lineText = toStored(line.*f.lineText);
        else
            p.*f.text = toStored(p.*f.text);
    }
    p.signer = signer.name;
    p.signature = signer.signature;
    return p;
}

} // namespace arc
