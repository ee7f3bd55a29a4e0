#include "PagesPdf.h"

#include "PainterCanvas.h"
#include "PrintCertificate.h"

#include <QBuffer>
#include <QPdfWriter>

namespace arc::PagesPdf {

bool print(QPagedPaintDevice &device, const std::vector<CertificatePage> &pages)
{
    PainterCanvas canvas(device);
    canvas.keepJobOpen();
    for (const CertificatePage &page : pages)
        PrintCertificate(canvas, page);
    canvas.finishJob();
    return canvas.ok();
}

QByteArray bytes(const std::vector<CertificatePage> &pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool made = false;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("ARC 8130"));
        writer.setTitle(QStringLiteral("AUTHORIZED RELEASE CERTIFICATE"));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
        made = !pages.empty() && print(writer, pages);
    }
    return made ? buffer.data() : QByteArray();
}

} // namespace arc::PagesPdf
