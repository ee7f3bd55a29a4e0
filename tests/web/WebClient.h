#pragma once

#include <QByteArray>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

// One answer of the page, as a client sees it.
struct WebReply {
    int status = 0; // 0: no answer
    QByteArray body;
    QByteArray contentType;
    QNetworkReply *raw = nullptr; // only for its headers; valid while the client lives
};

// Requests the running server's pages while the test's event loop turns.
class WebClient {
public:
    explicit WebClient(quint16 port) : m_base(QStringLiteral("http://127.0.0.1:%1").arg(port)) {}

    // `target` is sent as written: path and query, already percent-encoded.
    WebReply fetch(const QByteArray &target, const QByteArray &method = "GET", const QByteArray &body = {},
                   const QList<QPair<QByteArray, QByteArray>> &headers = {})
    {
        QNetworkRequest request(QUrl::fromEncoded(m_base.toLatin1() + target, QUrl::StrictMode));
        for (const auto &[name, value] : headers)
            request.setRawHeader(name, value);
        request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
        QNetworkReply *reply = m_nam.sendCustomRequest(request, method, body);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        WebReply r;
        r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        r.body = reply->readAll();
        r.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
        r.raw = reply;
        reply->setParent(&m_nam);
        return r;
    }

private:
    QString m_base;
    QNetworkAccessManager m_nam;
};
