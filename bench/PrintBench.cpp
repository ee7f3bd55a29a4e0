// One full certificate page: laid out on a recording canvas, and drawn
// into a PDF in memory as the PDF button writes it, without and with the
// signatory's digital signature (signing should add less than 100 ms).

#include "BenchApplication.h"
#include "CertificatePage.h"
#include "PainterCanvas.h"
#include "PdfSignature.h"
#include "PrintCertificate.h"
#include "RecordingCanvas.h"
#include "ShopAuthority.h"
#include "SignatureField.h"
#include "SigningKey.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

const bool gui = arc::bench::setApplicationMaker([](int &argc, char **argv) -> QCoreApplication * {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
});

// Every block filled, ten item lines, long remarks and a signature.
arc::CertificatePage fullPage()
{
    arc::CertificatePage p;
    p.country = "FAA/United States";
    p.tracking = "ARC-000123";
    p.organ1 = "Velloran Aero Components\r\n1200 Airport Road, Hangar 4\r\nWichita, KS 67209";
    p.organ2 = "FAA Repair Station VA2R123K\r\nEASA.145.0001";
    p.invoice = "WO 4471 / INV 88120";
    for (int r = 0; r < arc::kGridRows; ++r) {
        arc::ItemLine &line = p.lines[r];
        line.item = QString::number(r + 1);
        line.description = QString("FUEL PUMP ASSEMBLY, HIGH PRESSURE STAGE %1").arg(r);
        line.partNum = QString("PN 2204-118-%1").arg(r);
        line.quantity = "2";
        line.serialNum = QString("SN 10%1, SN 20%1").arg(r);
        line.status = "NEW";
    }
    for (int i = 0; i < 8; ++i)
        p.remarks += QString("Remark line %1: the item was manufactured under PMA Q1234CE and inspected in "
                             "accordance with the approved design data.\r\n")
                         .arg(i);
    p.approvedDesign = true;
    p.block13cNumber = "DMIR-445-CE";
    p.block13dName = "Jane Doe";
    p.block13eDate = "05/Dec/2026";
    p.block14cNumber = "VA2R123K";
    p.settings.shade = true;
    QImage sig(600, 200, QImage::Format_RGB32);
    sig.fill(Qt::white);
    QPainter painter(&sig);
    painter.setPen(QPen(Qt::blue, 6));
    painter.drawLine(20, 160, 580, 40);
    painter.end();
    p.signature = sig;
    return p;
}

void BM_PrintPageLayout(benchmark::State &state)
{
    arc::bench::application();
    const arc::CertificatePage page = fullPage();
    for (auto _ : state) {
        arc::RecordingCanvas canvas;
        benchmark::DoNotOptimize(arc::PrintCertificate(canvas, page));
    }
}
BENCHMARK(BM_PrintPageLayout)->Unit(benchmark::kMillisecond);

// The signatory's key, made once: making keys is not what is measured.
const arc::SigningKey &signingKey()
{
    static const arc::ShopAuthority authority =
        std::move(arc::ShopAuthority::create({}, QStringLiteral("passphrase")).value());
    static const arc::SigningKey key = std::move(
        arc::SigningKey::open(
            arc::SigningKey::make(authority, {QStringLiteral("Jane Doe"), {}}, QStringLiteral("pw")).value(),
            QStringLiteral("pw"))
            .value());
    return key;
}

// The most a certificate holds: 200 item lines and 200 lines of remarks,
// on the form's page and its continuation sheets (target: signed, under
// 500 ms).
arc::CertificatePage continuedPage()
{
    arc::CertificatePage p = fullPage();
    p.lines.resize(200);
    for (int r = 0; r < 200; ++r)
        p.lines[std::size_t(r)] = {QString::number(r + 1), QString("FUEL PUMP ASSEMBLY %1").arg(r), "PN 2204-118", "1",
                                   QString("SN %1").arg(1000 + r), "NEW", {}};
    QStringList remarks;
    for (int i = 0; i < 200; ++i)
        remarks << QString("Remark line %1: inspected in accordance with the approved design data.").arg(i);
    p.remarks = remarks.join("\r\n");
    return p;
}

// Argument 1: the page is signed over its signature box, as it is issued;
// argument 2 of the second: the certificate of 200 lines.
void BM_PrintPageToPdf(benchmark::State &state)
{
    arc::bench::application();
    const arc::CertificatePage page = state.range(1) == 1 ? continuedPage() : fullPage();
    const bool sign = state.range(0) == 1;
    const arc::SigningKey *key = sign ? &signingKey() : nullptr;
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QRectF field;
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(600);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                             QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
            arc::PainterCanvas canvas(writer);
            const arc::PrintResult drawn = arc::PrintCertificate(canvas, page);
            field = arc::signatureField(drawn.signatureBox.value_or(QRectF()), writer.pageLayout());
        }
        if (key) {
            const arc::SigningResult<QByteArray> signedPdf = arc::PdfSignature::sign(buffer.data(), *key, field);
            if (!signedPdf.ok()) {
                state.SkipWithError(signedPdf.error().message.toStdString().c_str());
                break;
            }
            bytes = signedPdf->size();
        } else {
            bytes = buffer.size();
        }
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PrintPageToPdf)
    ->ArgNames({"signed", "continued"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
