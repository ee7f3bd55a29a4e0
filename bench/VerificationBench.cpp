// What the QR code and the embedded data add to an issued page (together
// they should add less than 20 ms): the page to PDF without and with its
// code, and the certificate's XML made and embedded in that PDF.

#include "BenchApplication.h"
#include "CertificateContent.h"
#include "CertificateXml.h"
#include "PagesPdf.h"
#include "PdfAttachment.h"
#include "QrEncoding.h"
#include "VerificationCode.h"

#include <benchmark/benchmark.h>

namespace {

arc::CertificateContent content()
{
    QHash<QString, QVariant> header{{"Country", "FAA/United States"}, {"Tracking", "ARC-000123"},
                                    {"Organ1", "Velloran Aero Components\r\n1200 Airport Road"},
                                    {"Invoice", "WO 4471"}, {"Remarks", QString("Remark. ").repeated(60)},
                                    {"New", "1"}, {"Name17", "Jane Doe"}, {"AuthNum", "DMIR-445-CE"},
                                    {"Date18", "2026-12-05"}};
    std::vector<arc::CertificateContent::Line> lines;
    for (int r = 0; r < 10; ++r)
        lines.push_back({QString::number(r + 1), "FUEL PUMP ASSEMBLY", "PN 2204-118-3", "2", "SN 1001", "NEW"});
    return arc::CertificateContent::of(123, header, lines);
}

arc::CertificatePage page(const arc::CertificateContent &c)
{
    arc::CertificatePage p;
    static_cast<arc::CertificateEntries &>(p) = c.entries();
    return p;
}

// Argument 1: the QR code made and drawn.
void BM_PageToPdfWithCode(benchmark::State &state)
{
    arc::bench::application();
    const arc::CertificateContent c = content();
    for (auto _ : state) {
        arc::CertificatePage p = page(c);
        if (state.range(0) == 1)
            p.verification = *arc::QrEncoding::of(arc::VerificationCode::payload(
                "https://verify.velloran.example", "FAA Form 8130-3", "ARC-000123", c.sha256()));
        benchmark::DoNotOptimize(arc::PagesPdf::bytes({p}));
    }
}
BENCHMARK(BM_PageToPdfWithCode)->ArgName("code")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_EmbedCertificateData(benchmark::State &state)
{
    arc::bench::application();
    const arc::CertificateContent c = content();
    const QByteArray pdf = arc::PagesPdf::bytes({page(c)});
    qint64 added = 0;
    for (auto _ : state) {
        const QByteArray xml = arc::CertificateXml::of(c, {"Jane Doe", QString(64, 'a'), {}});
        const arc::SigningResult<QByteArray> withData = arc::PdfAttachment::embed(pdf, "certificate.xml", "text/xml", xml);
        if (!withData.ok()) {
            state.SkipWithError(withData.error().message.toStdString().c_str());
            break;
        }
        added = withData->size() - pdf.size();
    }
    state.counters["added_bytes"] = static_cast<double>(added);
}
BENCHMARK(BM_EmbedCertificateData)->Unit(benchmark::kMillisecond);

} // namespace
