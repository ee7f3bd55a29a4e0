// Signing and time-stamping one page's PDF against a time-stamp service on
// a local port: what an issue with a service set adds to writing the page
// (the target is under 150 ms). BM_WritePage is the page written alone.

#include "BenchApplication.h"
#include "HttpTimeStampService.h"
#include "PdfSignature.h"
#include "SamplePage.h"
#include "ShopAuthority.h"
#include "SigningKey.h"
#include "TimeStampServer.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_WritePage(benchmark::State &state)
{
    arc::bench::application();
    for (auto _ : state)
        benchmark::DoNotOptimize(arc::bench::samplePage());
}
BENCHMARK(BM_WritePage)->Unit(benchmark::kMillisecond);

void BM_SignAndStampPage(benchmark::State &state)
{
    arc::bench::application();
    const QByteArray pdf = arc::bench::samplePage();
    const arc::ShopAuthority authority = std::move(arc::ShopAuthority::create({}, QStringLiteral("passphrase")).value());
    const arc::SigningKey key = std::move(
        arc::SigningKey::open(arc::SigningKey::make(authority, {QStringLiteral("Jane Doe"), {}}, QStringLiteral("pw")).value(),
                              QStringLiteral("pw"))
            .value());
    TimeStampServer server;
    const arc::HttpTimeStampService service(server.url());
    for (auto _ : state) {
        const arc::SigningResult<QByteArray> signedPdf =
            arc::PdfSignature::sign(pdf, key, QRectF(300, 100, 200, 40), "Signature",
                                    QDateTime::currentDateTimeUtc(), &service);
        if (!signedPdf.ok()) {
            state.SkipWithError(qPrintable(signedPdf.error().message));
            break;
        }
    }
    state.counters["stamps"] = server.queries();
}
BENCHMARK(BM_SignAndStampPage)->Unit(benchmark::kMillisecond);

} // namespace
