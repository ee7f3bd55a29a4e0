#include "PagesPdf.h"

#include "PainterCanvas.h"
#include "PrintCertificate.h"
#include "SignatureField.h"

#include <QBuffer>
#include <QPdfWriter>

namespace arc::PagesPdf {

bool print(QPagedPaintDevice &device, const std::vector<CertificatePage> &pages, std::optional<PrintResult> *lastPage)
{
    if (!pages.empty())
        device.setPageSize(PaperSize::pageSize(pages.front().paper()));
    PainterCanvas canvas(device);
    canvas.keepJobOpen();
    for (const CertificatePage &page : pages) {
        PrintResult drawn = PrintCertificate(canvas, page);
        if (lastPage)
            *lastPage = std::move(drawn);
    }
    canvas.finishJob();
    return canvas.ok();
}

QByteArray written(const std::function<bool(QPagedPaintDevice &, std::optional<PrintResult> &)> &draw,
                   QRectF *signatureField, Paper paper)
{
    if (signatureField)
        *signatureField = QRectF();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool made = false;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("ARC 8130"));
        writer.setTitle(QStringLiteral("AUTHORIZED RELEASE CERTIFICATE"));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(PaperSize::pageSize(paper), QPageLayout::Portrait,
                                         QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
        std::optional<PrintResult> drawn;
        made = draw(writer, drawn);
        if (signatureField && drawn && drawn->signatureBox) {
            QPageLayout layout = writer.pageLayout();
            layout.setOrientation(drawn->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
            *signatureField = arc::signatureField(*drawn->signatureBox, layout);
        }
    }
    return made ? buffer.data() : QByteArray();
}

QByteArray bytes(const std::vector<CertificatePage> &pages, QRectF *signatureField)
{
    if (signatureField)
        *signatureField = QRectF();
    // A field names a place on one page only.
    return written([&](QPagedPaintDevice &device, std::optional<PrintResult> &drawn) {
        return !pages.empty() && print(device, pages, &drawn);
    }, pages.size() == 1 ? signatureField : nullptr, pages.empty() ? Paper::Letter : pages.front().paper());
}

QByteArray bytesOn(Paper paper, const std::vector<CertificatePage> &pages)
{
    return written([&](QPagedPaintDevice &device, std::optional<PrintResult> &) {
        PainterCanvas canvas(device);
        canvas.keepJobOpen();
        for (const CertificatePage &page : pages)
            PrintCertificate(canvas, page);
        canvas.finishJob();
        return !pages.empty() && canvas.ok();
    }, nullptr, paper);
}

} // namespace arc::PagesPdf
