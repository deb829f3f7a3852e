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
        } kind = Kind::Answer;
        int status = 200;
        QByteArray body;
        int delayMs = 0;
    };
    struct Request
    {
        QByteArray method, target, body;
        QMap<QByteArray, QByteArray> headers; // lower-case names
    };

    ScriptedServer();

    static Step answer(int status, const QByteArray& body, int delayMs = 0)
    {
        return {Step::Kind::Answer, status, body, delayMs};
    }
    static Step drop() { return {Step::Kind::Drop, 0, {}, 0}; } // after the whole request was read
    static Step silent() { return {Step::Kind::Silent, 0, {}, 0}; }
    void script(const Step& step) { m_steps.append(step); }

    quint16 port() const { return m_server.serverPort(); }
    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
    }
    const QList<Request>& requests() const { return m_requests; }
    int connections() const { return m_connections; }

private:
    void readFrom(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const Step& step);

    QTcpServer m_server;
    QList<Step> m_steps;
    QList<Request> m_requests;
    QMap<QTcpSocket*, QByteArray> m_buffers;
    int m_connections = 0;
};
