#include "SignaturePreview.h"

#include "PrintSignature.h"
#include "SignatureStore.h"

namespace arc {

QImage signaturePreview(const SignatureStore &store, const QString &name, const QSize &box)
{
    const QImage image = QImage::fromData(store.read(name));
    return image.isNull() ? QImage() : signatureAsPrinted(image, box);
}

} // namespace arc
