#include "ScriptedServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

ScriptedServer::ScriptedServer()
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

void ScriptedServer::readFrom(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    for (;;) {
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        Request request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        request.method = requestLine.value(0);
        request.target = requestLine.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines.at(i).indexOf(':');
            if (colon > 0)
                request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                       lines.at(i).mid(colon + 1).trimmed());
        }
        const qsizetype length = request.headers.value("content-length").toLongLong();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        buffer.remove(0, headerEnd + 4 + length);
        m_requests.append(request);
        const Step step = m_steps.isEmpty() ? answer(500, {}) : m_steps.takeFirst();
        if (step.delayMs > 0) {
            QPointer<QTcpSocket> guard(socket);
            QTimer::singleShot(step.delayMs, this, [this, guard, step] {
                if (guard)
                    respond(guard, step);
            });
        } else {
            respond(socket, step);
        }
    }
}

void ScriptedServer::respond(QTcpSocket* socket, const Step& step)
{
    switch (step.kind) {
    case Step::Kind::Silent:
        return;
    case Step::Kind::Drop:
        socket->abort();
        return;
    case Step::Kind::Answer:
        break;
    }
    QByteArray reason = step.status == 200 ? "OK" : step.status == 500 ? "Internal Server Error" : "Error";
    QByteArray response = "HTTP/1.1 " + QByteArray::number(step.status) + ' ' + reason + "\r\n";
    if (!step.body.isEmpty())
        response += "Content-Type: text/xml; charset=utf-8\r\n";
    response += "Content-Length: " + QByteArray::number(step.body.size()) + "\r\n\r\n" + step.body;
    socket->write(response);
}
