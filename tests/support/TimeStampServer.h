#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QString>

#include <memory>

// A time-stamp authority the test runs itself on a local port: RFC 3161
// answers made by OpenSSL's TS_RESP_CTX with a test key and certificate
// (issued by a test authority), or one of the faults a service may show.
class TimeStampServer : public QAbstractHttpServer {
public:
    enum class Mode {
        Good,
        Hang,          // reads the query, never answers
        Close,         // closes the connection without an answer
        Html,          // answers with a web page
        HttpError,     // answers 500
        WrongImprint,  // a token over other data
        WrongNonce,    // a token for another request
    };

    TimeStampServer();
    ~TimeStampServer() override;

    QString url() const;
    void setMode(Mode mode) { m_mode = mode; }
    int queries() const { return m_queries; }
    // The test authority's certificate and the service's own (PEM).
    QByteArray authorityPem() const;
    QByteArray servicePem() const;
    // The name the service's certificate carries.
    static QString serviceName() { return QStringLiteral("ARC test time-stamp service"); }

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    QByteArray stamped(QByteArray query) const;

    struct Keys;
    std::unique_ptr<Keys> m_keys;
    quint16 m_port = 0;
    Mode m_mode = Mode::Good;
    int m_queries = 0;
};
