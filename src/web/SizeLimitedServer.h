#pragma once

#include <QTcpServer>

namespace arc {

// A listening socket whose connections may not send a request larger than
// the limit: bytes received since the last answer are counted, and one
// past the limit is refused at once (431 when the head alone is too long,
// 413 when its body makes it so) and the connection closed, before the HTTP server has
// buffered more of it.
class SizeLimitedServer : public QTcpServer {
    Q_OBJECT
public:
    static constexpr qint64 kMaxRequestBytes = 8 * 1024;

    explicit SizeLimitedServer(QObject *parent = nullptr) : QTcpServer(parent) {}

    QTcpSocket *nextPendingConnection() override;

    // The refusal sent: a whole response, closing the connection.
    static QByteArray refusal(bool inHead);
};

} // namespace arc
