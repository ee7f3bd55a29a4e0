#include "SizeLimitedServer.h"

#include "VerificationPage.h"

#include <QCoreApplication>
#include <QTcpSocket>

namespace arc {

namespace {

// What one connection has sent since its last answer.
class RequestCount : public QObject {
public:
    explicit RequestCount(QTcpSocket *socket) : QObject(socket), m_socket(socket)
    {
        // Connected before the HTTP server's own reader, so it runs first.
        connect(socket, &QTcpSocket::readyRead, this, &RequestCount::received);
        connect(socket, &QTcpSocket::bytesWritten, this, [this] {
            if (!m_refused) {
                m_count = 0;
                m_headBytes = -1;
                m_tail.clear();
            }
        });
    }

private:
    void received()
    {
        if (m_refused) {
            (void)m_socket->readAll();
            return;
        }
        const QByteArray fresh = m_socket->peek(m_socket->bytesAvailable());
        if (m_headBytes < 0) {
            // Where the head ends: its blank line, perhaps split across reads.
            const QByteArray seen = m_tail + fresh;
            if (const qsizetype end = seen.indexOf("\r\n\r\n"); end >= 0)
                m_headBytes = m_count - m_tail.size() + end + 4;
            m_tail = seen.right(3);
        }
        m_count += fresh.size();
        if (m_count <= SizeLimitedServer::kMaxRequestBytes)
            return;
        m_refused = true;
        (void)m_socket->readAll(); // none of it reaches the HTTP server
        m_socket->write(SizeLimitedServer::refusal(m_headBytes < 0 || m_headBytes > SizeLimitedServer::kMaxRequestBytes));
        m_socket->disconnectFromHost();
    }

    QTcpSocket *m_socket;
    qint64 m_count = 0;
    qint64 m_headBytes = -1; // the head's length, once its end was seen
    QByteArray m_tail;
    bool m_refused = false;
};

} // namespace

QTcpSocket *SizeLimitedServer::nextPendingConnection()
{
    QTcpSocket *socket = QTcpServer::nextPendingConnection();
    if (socket)
        new RequestCount(socket);
    return socket;
}

QByteArray SizeLimitedServer::refusal(bool inHead)
{
    const QString title = QCoreApplication::translate("VerificationPage", "Request too large");
    const QByteArray body = VerificationPage::refusal(
        title, QCoreApplication::translate("VerificationPage", "A request may be at most 8 KiB long."));
    const QByteArray status = inHead ? "431 Request Header Fields Too Large" : "413 Payload Too Large";
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: "
           + QByteArray::number(body.size()) + "\r\nConnection: close\r\nCache-Control: no-store\r\n\r\n" + body;
}

} // namespace arc
