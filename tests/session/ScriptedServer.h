#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A tiny HTTP/1.1 server on 127.0.0.1 that answers each request with the next scripted step and
// records what it received, so the connector can be tested without the development server.
class ScriptedServer : public QObject
{
    Q_OBJECT
public:
    struct Step
    {
        enum class Kind
        {
            Answer,
            Drop,
            Silent
        };
        Kind kind = Kind::Answer;
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/xml; charset=utf-8";
        int delayMs = 0;
    };

    struct Request
    {
        QByteArray method;
        QByteArray target;
        QMap<QByteArray, QByteArray> headers; // lower-case names
        QByteArray body;
    };

    ScriptedServer();

    static Step answer(int status, const QByteArray& body, int delayMs = 0);
    static Step drop();
    static Step silent();
    void script(const Step& step) { m_steps.append(step); }

    quint16 port() const { return m_server.serverPort(); }
    QUrl url(const QString& path) const;
    const QList<Request>& requests() const { return m_requests; }
    int connections() const { return m_connections; }
    int tlsAttempts() const { return m_tlsAttempts; }

private:
    void readFrom(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const Step& step);

    QTcpServer m_server;
    QList<Step> m_steps;
    QList<Request> m_requests;
    QMap<QTcpSocket*, QByteArray> m_buffers;
    int m_connections = 0;
    int m_tlsAttempts = 0;
};
