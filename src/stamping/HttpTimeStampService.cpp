#include "HttpTimeStampService.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace arc {

namespace {

// A time stamp is a few kilobytes; an answer far larger is cut off.
constexpr qint64 kMaxAnswer = 1 << 20;

struct HttpTimeStampTexts {
    Q_DECLARE_TR_FUNCTIONS(TimeStamps)
};

SigningError refused(const QString &why) { return {SigningFault::NoTimeStamp, why}; }

} // namespace

HttpTimeStampService::HttpTimeStampService(QString url, std::chrono::milliseconds wait)
    : m_url(std::move(url)), m_wait(wait)
{
}

SigningResult<QByteArray> HttpTimeStampService::answer(const QByteArray &query) const
{
    const QUrl url(m_url.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return refused(HttpTimeStampTexts::tr("its address is not an http or https address"));
    if (!QCoreApplication::instance())
        return refused(HttpTimeStampTexts::tr("the program cannot reach a network without its event loop"));

    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/timestamp-query"));
    request.setRawHeader("Accept", "application/timestamp-reply");
    QNetworkReply *reply = network.post(request, query);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false, tooLarge = false;
    QObject::connect(&timer, &QTimer::timeout, reply, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64) {
        if (received > kMaxAnswer) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(m_wait);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    const std::unique_ptr<QNetworkReply> owned(reply);

    const double seconds = double(m_wait.count()) / 1000.0;
    if (timedOut)
        return refused(HttpTimeStampTexts::tr("no answer within %1 seconds").arg(seconds));
    if (tooLarge)
        return refused(HttpTimeStampTexts::tr("its answer is far too large for a time stamp"));
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && status != 200)
        return refused(HttpTimeStampTexts::tr("it answered with HTTP status %1").arg(status));
    if (reply->error() == QNetworkReply::RemoteHostClosedError)
        return refused(HttpTimeStampTexts::tr("it closed the connection without an answer"));
    if (reply->error() != QNetworkReply::NoError)
        return refused(HttpTimeStampTexts::tr("it cannot be reached (%1)").arg(reply->errorString()));
    const QString type = reply->header(QNetworkRequest::ContentTypeHeader).toString().toLower();
    if (type.contains(QLatin1String("html")))
        return refused(HttpTimeStampTexts::tr("it answered with a web page, not a time stamp"));
    if (type.startsWith(QLatin1String("text/")))
        return refused(HttpTimeStampTexts::tr("it answered with text, not a time stamp"));
    const QByteArray body = reply->readAll();
    if (body.isEmpty())
        return refused(HttpTimeStampTexts::tr("it closed the connection without an answer"));
    return body;
}

} // namespace arc
