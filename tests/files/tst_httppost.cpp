// The form posts' HTTP exchange against a raw server that answers with the bytes of each row: where an
// answer ends (length, chunks, close), what counts as cut, what is not HTTP; and what the request carries.
#include "platform/HttpPost.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QTest>

using namespace kitbench;
using End = HttpPost::End;

namespace {

// Answers the first request on each connection with `answer`, then closes the connection or keeps it.
// With `early`, that is written as soon as the head is in (a go-ahead, or a refusal that ends it all).
class RawServer : public QObject
{
public:
    RawServer(QByteArray answer, bool close, QByteArray early = {})
        : m_answer(std::move(answer)), m_close(close), m_early(std::move(early))
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        });
    }
    quint16 port() const { return m_server.serverPort(); }
    QByteArray request;             // what arrived, head and body
    qsizetype bodyBeforeEarly = -1; // body bytes that came before the early answer went out

private:
    void read(QTcpSocket* socket)
    {
        request += socket->readAll();
        const qsizetype headEnd = request.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        const bool refusal = !m_early.isEmpty() && !m_early.startsWith("HTTP/1.1 1");
        if (!m_early.isEmpty() && bodyBeforeEarly < 0) {
            bodyBeforeEarly = request.size() - headEnd - 4;
            socket->write(m_early);
            if (refusal)
                socket->disconnectFromHost();
        }
        if (refusal)
            return;
        const qsizetype at = request.toLower().indexOf("content-length:");
        const qsizetype length =
            request.mid(at + 15, request.indexOf("\r\n", at) - at - 15).trimmed().toLongLong();
        if (request.size() < headEnd + 4 + length)
            return;
        socket->write(m_answer);
        if (m_close)
            socket->disconnectFromHost();
    }
    QTcpServer m_server;
    QByteArray m_answer;
    bool m_close;
    QByteArray m_early;
};

struct Outcome
{
    End end = End::Failed;
    int status = -1;
    QByteArray body;
};

Outcome exchange(HttpPost& post)
{
    Outcome outcome;
    bool done = false;
    QObject::connect(&post, &HttpPost::bodyPiece, [&](const QByteArray& piece) { outcome.body += piece; });
    QObject::connect(&post, &HttpPost::finished, [&](End end) {
        outcome.end = end;
        done = true;
    });
    if (post.start() && QTest::qWaitFor([&] { return done; }, 10000)) // else the row fails on its end
        outcome.status = post.status();
    return outcome;
}

} // namespace

class TestHttpPost : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void answers()
    {
        const QByteArray ok = "HTTP/1.1 200 OK\r\n";
        const auto row = [](const char* tag, const QByteArray& answer, bool close, End end, int status,
                            const char* body) {
            RawServer server(answer, close);
            HttpPost post(QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(server.port())), "text/plain", "q",
                          {}, {}, QNetworkProxy(QNetworkProxy::NoProxy));
            const Outcome outcome = exchange(post);
            QVERIFY2(outcome.end == end && outcome.status == status && outcome.body == body, tag);
        };
        const QByteArray chunkedHead = ok + "Transfer-Encoding: chunked\r\n\r\n";
        const QByteArray chunked =
            chunkedHead + "5;x=1\r\nhello\r\n4\r\n abc\r\n"; // whole and cut: downloads
        row("length, whole, connection kept", ok + "Content-Length: 5\r\n\r\nhello", false, End::Complete,
            200, "hello");
        row("chunked, trailers", chunked + "0\r\nX-Sum: 1\r\n\r\n", false, End::Complete, 200, "hello abc");
        row("chunked, cut inside a chunk", chunked + "9\r\nxy", true, End::ConnectionLost, 200,
            "hello abcxy");
        row("neither: the close ends it", ok + "\r\nhello", true, End::Complete, 200, "hello");
        row("interim answer first",
            "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 201 Created\r\nContent-Length: 2\r\n\r\nok", false,
            End::Complete, 201, "ok");
        row("error page", "HTTP/1.1 503 Busy\r\nContent-Length: 4\r\n\r\nbusy", false, End::Complete, 503,
            "busy");
        row("closed before any answer", {}, true, End::ConnectionLost, 0, "");
        row("not HTTP", "SSH-2.0-OpenSSH\r\n", false, End::BadAnswer, 0, "");
        row("chunk size not hex", chunkedHead + "zz\r\n", false, End::BadAnswer, 200, "");
        row("chunk longer than announced", chunkedHead + "2\r\nabc\r\n", false, End::BadAnswer, 200, "ab");
        row("length not a number", ok + "Content-Length: 1e3\r\n\r\n", false, End::BadAnswer, 200, "");
        row("header line without end", ok + QByteArray(300 * 1024, 'h'), false, End::BadAnswer, 200, "");
    }
    void requestCarriesTheFileBetweenHeadAndTail()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        QByteArray content(3 * 1024 * 1024 + 17, Qt::Uninitialized); // several pieces and a rest
        for (qsizetype i = 0; i < content.size(); ++i)
            content[i] = char(i * 7 % 251);
        file.write(content);
        file.close();
        RawServer server("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", false);
        HttpPost post(QUrl(QStringLiteral("http://127.0.0.1:%1/up?a=1").arg(server.port())), "multipart/x",
                      "HEAD", file.fileName(), "TAIL", QNetworkProxy(QNetworkProxy::NoProxy));
        qint64 lastProgress = 0;
        connect(&post, &HttpPost::uploadProgress, this, [&](qint64 sent, qint64) { lastProgress = sent; });
        QCOMPARE(exchange(post).end, End::Complete);
        const qsizetype bodyAt = server.request.indexOf("\r\n\r\n") + 4;
        QVERIFY(server.request.startsWith("POST /up?a=1 HTTP/1.1\r\n"));
        QVERIFY(server.request.contains("\r\nContent-Length: " + QByteArray::number(content.size() + 8) +
                                        "\r\n"));
        QVERIFY(server.request.mid(bodyAt) == "HEAD" + content + "TAIL");
        QCOMPARE(lastProgress, content.size() + 8);
        HttpPost unreadable(QUrl("http://127.0.0.1:1/"), "x", {}, "/no/such/file", {}, QNetworkProxy());
        QVERIFY(!unreadable.start());
    }
    // A file waits for the server's "100 Continue"; a refusal instead keeps it here. A server that sends
    // neither gets it after a second (requestCarriesTheFileBetweenHeadAndTail's server is such a one).
    void fileWaitsForTheGoAhead_data()
    {
        QTest::addColumn<QByteArray>("early");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("fileSent");
        QTest::newRow("go-ahead") << QByteArray("HTTP/1.1 100 Continue\r\n\r\n") << 200 << true;
        QTest::newRow("refused") << QByteArray("HTTP/1.1 413 Too Large\r\nContent-Length: 3\r\n\r\nbig")
                                 << 413 << false;
    }
    void fileWaitsForTheGoAhead()
    {
        QFETCH(QByteArray, early);
        QFETCH(int, status);
        QFETCH(bool, fileSent);
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(QByteArray(64 * 1024, 'f'));
        file.close();
        RawServer server("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", false, early);
        HttpPost post(QUrl(QStringLiteral("http://127.0.0.1:%1/up").arg(server.port())), "multipart/x",
                      "HEAD", file.fileName(), "TAIL", QNetworkProxy(QNetworkProxy::NoProxy));
        const Outcome outcome = exchange(post);
        QCOMPARE(std::tuple(outcome.end, outcome.status, server.bodyBeforeEarly),
                 std::tuple(End::Complete, status, qsizetype(0)));
        QVERIFY(server.request.contains("\r\nExpect: 100-continue\r\n"));
        QCOMPARE(server.request.endsWith("TAIL"), fileSent);
    }
    void plainRequestsGoToAnHttpProxyWithTheWholeAddress()
    {
        RawServer proxy("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", false);
        HttpPost post(QUrl("http://files.example.invalid:8931/a/b.aspx"), "text/plain", "q", {}, {},
                      QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", proxy.port(), "user", "pw"));
        QCOMPARE(exchange(post).body, QByteArray("ok"));
        QVERIFY2(proxy.request.startsWith("POST http://files.example.invalid:8931/a/b.aspx HTTP/1.1\r\n"),
                 proxy.request.constData());
        QVERIFY(proxy.request.contains("\r\nHost: files.example.invalid:8931\r\n"));
        QVERIFY(proxy.request.contains("\r\nProxy-Authorization: Basic " + QByteArray("user:pw").toBase64() +
                                       "\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestHttpPost)
#include "tst_httppost.moc"
