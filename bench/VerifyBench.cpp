// The verification page at the large folder's 100 000 certificates, each
// with its issue logged, on both engines: one request's round trip over
// the loopback, from sending it to the whole page read. Target: under 20 ms.

#include "BenchApplication.h"
#include "BenchFolder.h"
#include "BenchSource.h"
#include "DataFolder.h"
#include "VerificationCode.h"
#include "VerificationServer.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <climits>

namespace {

using arc::bench::Source;

// Any content hash will do: every row of the bench's log holds this one.
const QString kContent = QStringLiteral("9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08");

// A log row for every certificate not logged yet, as if each was issued once.
arc::DbStatus logEveryCertificate(arc::DataFolder &folder)
{
    arc::Database &db = folder.certificates();
    arc::DbStatus s;
    const qint64 logged = db.scalar(QStringLiteral("SELECT count(*) FROM \"IssueLog\""), {}, &s).toLongLong();
    if (!s.ok() || logged >= arc::bench::BenchFolder::certificates())
        return s;
    return db.exec(QStringLiteral("INSERT INTO \"IssueLog\" (\"FormIndex\", \"Tracking\", \"IssuedAt\", \"Signatory\", "
                                  "\"Copies\", \"PdfFile\", \"PdfSha256\", \"ContentSha256\") "
                                  "SELECT \"FormIndex\", \"Tracking\", '2026-12-05T14:03:09Z', 'Pat Doe', 1, "
                                  "'none.pdf', '', ? FROM \"Header\" WHERE \"Tracking\" IS NOT NULL"),
                   {kContent});
}

void VerificationPage(benchmark::State &state, Source source)
{
    (void)arc::bench::application();
    QString tracking;
    {
        auto folder = arc::bench::openedSource(source, state);
        if (!folder)
            return;
        arc::DbStatus s = logEveryCertificate(*folder);
        if (s.ok())
            tracking = folder->certificates()
                           .scalar(QStringLiteral("SELECT \"Tracking\" FROM \"IssueLog\" ORDER BY \"FormIndex\" "
                                                  "LIMIT 1 OFFSET 50000"),
                                   {}, &s)
                           .toString();
        if (!s.ok() || tracking.isEmpty()) {
            state.SkipWithError(s.ok() ? "no certificate logged" : s.detail().toUtf8().constData());
            return;
        }
    }
    arc::VerificationServer server(arc::bench::sourcePath(source), INT_MAX);
    const quint16 port = server.start(QHostAddress::LocalHost, 0, nullptr);
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/c/%2?k=%3")
                       .arg(port)
                       .arg(QString::fromLatin1(QUrl::toPercentEncoding(tracking)), arc::VerificationCode::of(kContent)));
    QNetworkAccessManager nam;
    for (auto _ : state) {
        QNetworkReply *reply = nam.get(QNetworkRequest(url));
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        QByteArray page = reply->readAll();
        benchmark::DoNotOptimize(page);
        reply->deleteLater();
        if (status != 200) {
            state.SkipWithError(QStringLiteral("the page answered %1").arg(status).toUtf8().constData());
            break;
        }
    }
}
BENCHMARK_CAPTURE(VerificationPage, SQLite, Source::Folder)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VerificationPage, PostgreSQL, Source::Server)->Unit(benchmark::kMillisecond);

} // namespace
