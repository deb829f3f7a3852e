#pragma once

// A TCP proxy between kitbench and orvello-devserver that misbehaves on purpose, the way real networks
// and servers do, in a thread of its own (the test waits for the kitbench process). Requests whose head
// contains `match` (empty: every request) get the fault.

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <memory>

class FaultProxy
{
public:
    // DropAfterRequest: the request reaches the server, the client's connection drops when the answer
    // to it comes (an interim "100 Continue" is passed on). NeverAnswer: accepted, neither passed on nor
    // answered. CloseIdle: closed once idle for `idleMs` after an answer, as servers close kept-alive
    // connections. StaleIdle: idle that long (0: once answered), the connection is dead without the client
    // knowing: its next request is dropped unanswered.
    enum class Fault
    {
        Forward,
        DropAfterRequest,
        NeverAnswer,
        CloseIdle,
        StaleIdle
    };

    FaultProxy(const QString& target, Fault fault, const QByteArray& match = {}, int idleMs = 200)
        : m_fault(fault), m_match(match), m_idleMs(idleMs)
    {
        m_targetHost = target.section(':', 0, 0);
        m_targetPort = quint16(target.section(':', 1, 1).toUInt());
        m_worker.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_worker, [this] { listen(); }, Qt::BlockingQueuedConnection);
    }

    ~FaultProxy()
    {
        QMetaObject::invokeMethod(
            &m_worker, [this] { qDeleteAll(QObjectList(m_worker.children())); },
            Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    // Requests the fault hit, and connections closed for idleness.
    int faults() const { return m_faults.loadRelaxed(); }

private:
    // Splits one direction of an HTTP/1.1 connection into messages: a head, then Content-Length bytes.
    struct Framer
    {
        QByteArray head; // of the message being read, until it is complete
        qint64 end = -1; // length of the message once its head is known
        qint64 done = 0;

        // Passes each piece of `bytes` to `pass(piece, head)`; `ended()` after each whole message.
        template <typename Pass, typename Ended> void feed(QByteArray bytes, Pass pass, Ended ended)
        {
            while (!bytes.isEmpty()) {
                if (end < 0) {
                    head += bytes;
                    bytes.clear();
                    const qsizetype headEnd = head.indexOf("\r\n\r\n");
                    if (headEnd < 0)
                        return;
                    end = headEnd + 4 + contentLength(head.left(headEnd));
                    done = 0;
                    std::swap(bytes, head);
                    head = bytes.left(headEnd);
                }
                const qint64 part = std::min<qint64>(bytes.size(), end - done);
                pass(bytes.left(part), head);
                done += part;
                bytes = bytes.mid(part);
                if (done == end) {
                    end = -1; // the next bytes start a new message
                    head.clear();
                    ended();
                }
            }
        }
    };

    // One client connection and its connection to the server.
    struct Link
    {
        QTcpSocket* client = nullptr;
        QTcpSocket* server = nullptr;
        QTimer* idle = nullptr;
        Framer requests;
        Framer answers;
        QElapsedTimer sinceAnswer; // valid once an answer has gone out
        bool faulty = false;       // the request being read or answered gets the fault
    };

    void listen()
    {
        auto* server = new QTcpServer(&m_worker);
        QObject::connect(server, &QTcpServer::newConnection, server, [this, server] {
            while (QTcpSocket* client = server->nextPendingConnection())
                accept(client);
        });
        server->listen(QHostAddress::LocalHost, 0);
        m_port = server->serverPort();
    }

    void accept(QTcpSocket* client)
    {
        auto link = std::make_shared<Link>();
        link->client = client;
        client->setParent(&m_worker);
        link->server = new QTcpSocket(&m_worker);
        link->idle = new QTimer(&m_worker);
        link->idle->setSingleShot(true);
        link->idle->setInterval(m_idleMs);
        link->server->connectToHost(m_targetHost, m_targetPort);
        QObject::connect(link->idle, &QTimer::timeout, link->idle, [this, link] {
            m_faults.ref();
            link->client->disconnectFromHost();
            link->server->disconnectFromHost();
        });
        QObject::connect(client, &QTcpSocket::readyRead, client, [this, link] { fromClient(*link); });
        QObject::connect(link->server, &QTcpSocket::readyRead, link->server, [this, link] {
            const QByteArray bytes = link->server->readAll();
            // An interim answer ("100 Continue", the go-ahead for a file) is passed on: the drop waits
            // for the answer to the whole request.
            if (link->faulty && m_fault == Fault::DropAfterRequest && !bytes.startsWith("HTTP/1.1 1")) {
                m_faults.ref();
                link->client->abort();
                link->server->abort();
                return;
            }
            link->answers.feed(
                bytes, [&](const QByteArray& piece, const QByteArray&) { link->client->write(piece); },
                [&] {
                    // A whole answer went out; the connection is idle now.
                    link->sinceAnswer.start();
                    if (m_fault == Fault::CloseIdle)
                        link->idle->start();
                });
        });
        QObject::connect(client, &QTcpSocket::disconnected, link->server, &QTcpSocket::disconnectFromHost);
        QObject::connect(link->server, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
    }

    void fromClient(Link& link)
    {
        link.idle->stop();
        if (m_fault == Fault::StaleIdle && link.requests.end < 0 && link.requests.head.isEmpty() &&
            link.sinceAnswer.isValid() && (m_idleMs == 0 || link.sinceAnswer.hasExpired(m_idleMs))) {
            m_faults.ref();
            link.client->abort();
            link.server->abort();
            return;
        }
        link.requests.feed(
            link.client->readAll(),
            [&](const QByteArray& piece, const QByteArray& head) {
                link.faulty = (m_fault == Fault::DropAfterRequest || m_fault == Fault::NeverAnswer) &&
                              (m_match.isEmpty() || head.contains(m_match));
                if (!(link.faulty && m_fault == Fault::NeverAnswer))
                    link.server->write(piece);
            },
            [&] {
                if (link.faulty && m_fault == Fault::NeverAnswer)
                    m_faults.ref();
            });
    }

    static qint64 contentLength(const QByteArray& head)
    {
        static const QRegularExpression header("^content-length:\\s*(\\d+)",
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::MultilineOption);
        return header.match(QString::fromLatin1(head)).captured(1).toLongLong();
    }

    Fault m_fault;
    QByteArray m_match;
    int m_idleMs;
    QString m_targetHost;
    quint16 m_targetPort = 0;
    quint16 m_port = 0;
    QAtomicInt m_faults;
    QThread m_thread;
    QObject m_worker;
};
