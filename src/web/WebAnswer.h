#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

class QHttpServerRequest;

namespace arc {

class RateLimit;
class WebSource;

// The answer to one request, decided apart from the connection it came on.
struct WebAnswer {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;

    // `nowMs` is a steady clock's milliseconds, for the rate limit.
    static WebAnswer to(WebSource &source, RateLimit &limit, const QHttpServerRequest &request, qint64 nowMs);
};

} // namespace arc
