#include "VerificationServer.h"

#include "SizeLimitedServer.h"
#include "WebAnswer.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>

namespace arc {

VerificationServer::VerificationServer(const QString &source, int requestsPerMinute, QObject *parent)
    : QAbstractHttpServer(parent), m_source(source), m_limit(requestsPerMinute)
{
    m_clock.start();
}

quint16 VerificationServer::start(const QHostAddress &address, quint16 port, QString *error)
{
    auto *server = new SizeLimitedServer(this);
    if (!server->listen(address, port)) {
        if (error)
            *error = server->errorString();
        delete server;
        return 0;
    }
    bind(server);
    return server->serverPort();
}

bool VerificationServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    const WebAnswer answer = WebAnswer::to(m_source, m_limit, request, m_clock.elapsed());
    QHttpServerResponse response(answer.contentType, answer.body, QHttpServerResponse::StatusCode(answer.status));
    for (const auto &[name, value] : answer.headers)
        response.addHeader(name, value);
    response.write(makeResponder(request, socket));
    return true;
}

void VerificationServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    (void)handleRequest(request, socket);
}

} // namespace arc
