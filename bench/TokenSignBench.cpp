// Signing one page with a key on a token (SoftHSM, made for the run in a
// temporary folder): the token's login and key opened, as each issue does,
// then the page signed there. Compared with BM_SignPage, the target is that
// the token adds less than 100 ms a page.

#include "BenchApplication.h"
#include "PdfSignature.h"
#include "ShopAuthority.h"
#include "SigningKey.h"
#include "TokenModule.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString kModule = QStringLiteral("/usr/lib/softhsm/libsofthsm2.so");
const QString kPin = QStringLiteral("123456");

bool run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    return p.waitForFinished(60000) && p.exitCode() == 0;
}

// A token with one P-256 key, its serial number; empty when SoftHSM is missing.
QString makeToken(const QTemporaryDir &dir)
{
    QFile conf(dir.filePath(QStringLiteral("softhsm2.conf")));
    if (!QFile::exists(kModule) || !conf.open(QIODevice::WriteOnly))
        return {};
    conf.write(QStringLiteral("directories.tokendir = %1\nobjectstore.backend = file\nlog.level = ERROR\n")
                   .arg(dir.filePath(QStringLiteral("tokens")))
                   .toUtf8());
    conf.close();
    QDir(dir.path()).mkpath(QStringLiteral("tokens"));
    qputenv("SOFTHSM2_CONF", conf.fileName().toUtf8());
    if (!run(QStringLiteral("softhsm2-util"), {"--init-token", "--free", "--label", "Bench", "--so-pin", "87654321", "--pin", kPin})
        || !run(QStringLiteral("pkcs11-tool"), {"--module", kModule, "--token-label", "Bench", "--login", "--pin", kPin,
                                                "--keypairgen", "--key-type", "EC:prime256v1", "--id", "01", "--usage-sign"}))
        return {};
    const auto module = arc::TokenModule::load(kModule);
    return module.ok() && !module.value()->tokens().isEmpty() ? module.value()->tokens().first().serial : QString();
}

QByteArray page()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        QPainter painter(&writer);
        for (int line = 0; line < 60; ++line)
            painter.drawText(300, 300 + line * 90, QStringLiteral("Line %1: FUEL PUMP ASSEMBLY, PN 2204-118").arg(line));
    }
    return buffer.data();
}

void BM_SignPageOnToken(benchmark::State &state)
{
    arc::bench::application();
    QTemporaryDir dir;
    const QString serial = makeToken(dir);
    if (serial.isEmpty()) {
        state.SkipWithError("SoftHSM (softhsm2, opensc) is missing");
        return;
    }
    const arc::ShopAuthority authority = std::move(arc::ShopAuthority::create({}, QStringLiteral("passphrase")).value());
    const QByteArray pdf = page();
    // The certificate issued once; each round opens the token as an issue does.
    arc::X509Ptr certificate;
    {
        auto module = arc::TokenModule::load(kModule);
        auto opened = module.value()->open(serial, QByteArray("\x01"), kPin);
        if (!opened.ok()) {
            state.SkipWithError(opened.error().message.toUtf8().constData());
            return;
        }
        certificate = std::move(
            authority.issue({QStringLiteral("Jane Doe"), {}}, opened->publicKey.get(), arc::Validity::years(1)).value());
    }
    for (auto _ : state) {
        auto module = arc::TokenModule::load(kModule);
        auto opened = module.value()->open(serial, QByteArray("\x01"), kPin);
        std::vector<arc::X509Ptr> chain;
        chain.push_back(arc::X509Ptr(X509_dup(certificate.get())));
        auto key = arc::TokenModule::signingKey(module.value(), std::move(opened.value()), std::move(chain));
        benchmark::DoNotOptimize(arc::PdfSignature::sign(pdf, key.value(), QRectF(300, 100, 200, 40)));
    }
}
BENCHMARK(BM_SignPageOnToken)->Unit(benchmark::kMillisecond);

} // namespace
