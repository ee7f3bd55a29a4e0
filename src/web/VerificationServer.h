#pragma once

#include "RateLimit.h"
#include "WebSource.h"

#include <QAbstractHttpServer>
#include <QElapsedTimer>
#include <QHostAddress>

namespace arc {

// The verification page's HTTP server: GET /c/TRACKING?k=CODE and, beside
// it, /c/TRACKING/json and /c/TRACKING/pdf. Nothing else is served.
class VerificationServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    explicit VerificationServer(const QString &source, int requestsPerMinute = 30, QObject *parent = nullptr);

    // Listens on the address and port (0: any free one); the port taken,
    // or 0 when it cannot listen (`error` says why).
    quint16 start(const QHostAddress &address, quint16 port, QString *error);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    WebSource m_source;
    RateLimit m_limit;
    QElapsedTimer m_clock;
};

} // namespace arc
