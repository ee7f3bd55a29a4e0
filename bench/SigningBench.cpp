// Signing one page: the incremental update and its CMS signature added to
// a PDF as Qt writes it (the target is well under 100 ms a page).

#include "BenchApplication.h"
#include "PdfSignature.h"
#include "SamplePage.h"
#include "ShopAuthority.h"
#include "SignatureReport.h"
#include "SigningKey.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

const bool gui = arc::bench::setApplicationMaker([](int &argc, char **argv) -> QCoreApplication * {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
});

struct Signer {
    arc::ShopAuthority authority = std::move(arc::ShopAuthority::create({}, QStringLiteral("passphrase")).value());
    arc::SigningKey key = std::move(
        arc::SigningKey::open(arc::SigningKey::make(authority, {QStringLiteral("Jane Doe"), {}}, QStringLiteral("pw")).value(),
                              QStringLiteral("pw"))
            .value());
};

void BM_SignPage(benchmark::State &state)
{
    arc::bench::application();
    const QByteArray pdf = arc::bench::samplePage();
    const Signer signer;
    for (auto _ : state)
        benchmark::DoNotOptimize(arc::PdfSignature::sign(pdf, signer.key, QRectF(300, 100, 200, 40)));
    state.counters["pdf_bytes"] = static_cast<double>(pdf.size());
}
BENCHMARK(BM_SignPage)->Unit(benchmark::kMillisecond);

void BM_ReadSignature(benchmark::State &state)
{
    arc::bench::application();
    const Signer signer;
    const QByteArray pdf = arc::PdfSignature::sign(arc::bench::samplePage(), signer.key, QRectF(300, 100, 200, 40)).value();
    for (auto _ : state)
        benchmark::DoNotOptimize(arc::SignatureReport::of(pdf, signer.authority.certificate()));
}
BENCHMARK(BM_ReadSignature)->Unit(benchmark::kMillisecond);

} // namespace
