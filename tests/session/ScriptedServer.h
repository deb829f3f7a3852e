#pragma once

#include <QList>
#include <QMap>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

// A tiny HTTP/1.1 server on 127.0.0.1 that answers each request with the next scripted step and
// records the target of each request it read, so the connector can be tested without the development
// server. Without a step left it answers 500.
class ScriptedServer : public QObject
{
public:
    enum class Kind
    {
        Answer,
        Drop, // after the whole request was read
        Silent
    };
    struct Step
    {
        Kind kind = Kind::Answer;
        int status = 500;
        QByteArray body;
        int delayMs = 0;
    };
    static Step answer(int status, const QByteArray& body, int delayMs = 0)
    {
        return {Kind::Answer, status, body, delayMs};
    }
    static Step drop() { return {Kind::Drop, 0, {}, 0}; }
    static Step silent() { return {Kind::Silent, 0, {}, 0}; }

    ScriptedServer()
    {
        if (!m_server.listen(QHostAddress::LocalHost, 0))
            qFatal("cannot listen on 127.0.0.1");
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                ++m_connections;
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    void script(const Step& step) { m_steps.append(step); }
    quint16 port() const { return m_server.serverPort(); }
    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
    }
    const QList<QByteArray>& requests() const { return m_targets; }
    int connections() const { return m_connections; }

private:
    void readFrom(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        static const QRegularExpression length(QStringLiteral("\r\ncontent-length: *(\\d+)"),
                                               QRegularExpression::CaseInsensitiveOption);
        for (qsizetype end; (end = buffer.indexOf("\r\n\r\n")) >= 0;) {
            const QByteArray head = buffer.left(end);
            const qsizetype size = end + 4 + length.match(QString::fromLatin1(head)).captured(1).toLongLong();
            if (buffer.size() < size)
                return;
            m_targets.append(head.split(' ').value(1));
            buffer.remove(0, size);
            const Step step = m_steps.isEmpty() ? Step{} : m_steps.takeFirst();
            QTimer::singleShot(step.delayMs, this, [step, guard = QPointer<QTcpSocket>(socket)] {
                if (guard && step.kind == Kind::Drop)
                    guard->abort();
                else if (guard && step.kind == Kind::Answer)
                    guard->write("HTTP/1.1 " + QByteArray::number(step.status) + " Status\r\n" +
                                 (step.body.isEmpty() ? "" : "Content-Type: text/xml; charset=utf-8\r\n") +
                                 "Content-Length: " + QByteArray::number(step.body.size()) + "\r\n\r\n" +
                                 step.body);
            });
        }
    }

    QTcpServer m_server;
    QList<Step> m_steps;
    QList<QByteArray> m_targets;
    QMap<QTcpSocket*, QByteArray> m_buffers;
    int m_connections = 0;
};
