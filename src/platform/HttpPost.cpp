#include "platform/HttpPost.h"

#include "platform/NetworkActivity.h"
#include "platform/TrustStore.h"

#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

namespace kitbench {

namespace {

// The most the socket reads ahead and the largest piece handed out.
constexpr qint64 kPiece = 256 * 1024;
// A status line, header or chunk line longer than this is not an answer we can read.
constexpr qsizetype kMaxLine = 64 * 1024;
constexpr int kMaxHeaders = 500;
// How long a file waits for the server's "100 Continue" before it goes anyway, as curl waits: a server
// or proxy that does not know the handshake never sends it.
constexpr int kContinueWaitMs = 1000;

bool neverConnected(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
    case QAbstractSocket::HostNotFoundError:
    case QAbstractSocket::NetworkError:
    case QAbstractSocket::ProxyConnectionRefusedError:
    case QAbstractSocket::ProxyNotFoundError:
    case QAbstractSocket::ProxyConnectionTimeoutError:
    case QAbstractSocket::SocketTimeoutError:
        return true;
    default:
        return false;
    }
}

} // namespace

HttpPost::HttpPost(QUrl address, QByteArray contentType, QByteArray head, QString filePath, QByteArray tail,
                   const QNetworkProxy& proxy, QObject* parent)
    : QObject(parent), m_address(std::move(address)), m_contentType(std::move(contentType)),
      m_head(std::move(head)), m_tail(std::move(tail)), m_file(filePath), m_proxy(proxy)
{
}

HttpPost::~HttpPost()
{
    if (!m_ended && m_counted)
        NetworkActivity::end();
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
}

bool HttpPost::start()
{
    if (!m_file.fileName().isEmpty() && !m_file.open(QIODevice::ReadOnly))
        return false;
    m_requestSize = m_head.size() + (m_file.isOpen() ? m_file.size() : 0) + m_tail.size();
    const bool secure = m_address.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
    if (secure) {
        TrustStore::prepareSecureConnection();
        auto* socket = new QSslSocket(this);
        connect(socket, &QSslSocket::encrypted, this, &HttpPost::onConnected);
        m_socket = socket;
    } else {
        m_socket = new QTcpSocket(this);
        connect(m_socket, &QTcpSocket::connected, this, &HttpPost::onConnected);
    }
    // A plain request goes to an HTTP proxy as is, with the whole address as its target; anything else
    // through a proxy travels in a tunnel the socket opens (CONNECT, SOCKS).
    m_viaHttpProxy = !secure && m_proxy.type() == QNetworkProxy::HttpProxy;
    m_socket->setProxy(m_viaHttpProxy ? QNetworkProxy(QNetworkProxy::NoProxy) : m_proxy);
    m_socket->setReadBufferSize(kPiece);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpPost::onReadable);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &HttpPost::onBytesWritten);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpPost::onClosed);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &HttpPost::onSocketError);
    // Counted while it runs, so an unattended run's watchdog sees a post that stopped moving.
    NetworkActivity::begin();
    m_counted = true;
    const quint16 port = static_cast<quint16>(m_address.port(secure ? 443 : 80));
    if (secure)
        static_cast<QSslSocket*>(m_socket)->connectToHostEncrypted(m_address.host(), port);
    else if (m_viaHttpProxy)
        m_socket->connectToHost(m_proxy.hostName(), m_proxy.port());
    else
        m_socket->connectToHost(m_address.host(), port);
    return true;
}

void HttpPost::abort()
{
    end(End::Aborted);
}

void HttpPost::onConnected()
{
    m_connected = true;
    QByteArray target = m_address.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (m_address.hasQuery())
        target += '?' + m_address.query(QUrl::FullyEncoded).toLatin1();
    QByteArray proxyLines;
    if (m_viaHttpProxy) {
        target = m_address.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveFragment).toEncoded();
        if (!m_proxy.user().isEmpty())
            proxyLines = "\r\nProxy-Authorization: Basic " +
                         (m_proxy.user() + QLatin1Char(':') + m_proxy.password()).toUtf8().toBase64();
    }
    // A file waits for the server's go-ahead: a server that refuses the post (too large, signed out)
    // says so before the file travels. The exchange also gives the receiving side a measure of the
    // round trip, from which Linux grows its receive window: without it a local server's window stays
    // at 128 KiB and it reads a large file about 7% slower.
    const bool awaitGoAhead = m_file.isOpen();
    // One answer per connection: the close after it is the server's, a close before its end is a cut.
    const QByteArray head =
        "POST " + target + " HTTP/1.1\r\nHost: " +
        m_address.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1() + proxyLines +
        "\r\nContent-Type: " + m_contentType + "\r\nContent-Length: " + QByteArray::number(m_requestSize) +
        "\r\nAccept-Encoding: identity\r\nConnection: close\r\n" +
        (awaitGoAhead ? "Expect: 100-continue\r\n" : "") + "User-Agent: Orvello Kitbench\r\n\r\n";
    m_headerSize = head.size();
    m_socket->write(head);
    if (awaitGoAhead)
        QTimer::singleShot(kContinueWaitMs, this, &HttpPost::startBody);
    else
        startBody();
}

void HttpPost::startBody()
{
    if (m_ended || m_bodyStarted)
        return;
    m_bodyStarted = true;
    m_socket->write(m_head);
    sendMore();
}

void HttpPost::sendMore()
{
    // Up to two pieces wait in the socket: enough to keep the connection busy, little memory.
    while (m_file.isOpen() && m_socket->bytesToWrite() < kPiece) {
        const QByteArray piece = m_file.read(kPiece);
        if (piece.isEmpty()) {
            if (m_file.error() != QFileDevice::NoError)
                end(End::Failed, m_file.errorString());
            m_file.close();
            break;
        }
        m_socket->write(piece);
    }
    if (!m_file.isOpen() && !m_tailQueued && !m_ended) {
        m_tailQueued = true;
        m_socket->write(m_tail);
    }
}

void HttpPost::onBytesWritten(qint64 count)
{
    const qint64 headerPart = qMin(count, m_headerSize);
    m_headerSize -= headerPart;
    m_sent += count - headerPart;
    NetworkActivity::progressed();
    Q_EMIT uploadProgress(m_sent, m_requestSize);
    if (!m_ended && m_bodyStarted && !m_tailQueued)
        sendMore();
}

bool HttpPost::takeLine(QByteArray* line)
{
    const qsizetype at = m_buffer.indexOf("\r\n");
    if (at < 0) {
        if (m_buffer.size() > kMaxLine)
            end(End::BadAnswer, QStringLiteral("a line of the answer is too long"));
        return false;
    }
    *line = m_buffer.left(at);
    m_buffer.remove(0, at + 2);
    return true;
}

void HttpPost::deliver(qsizetype count)
{
    // Most pieces are the whole buffer: handed over without a copy.
    QByteArray piece;
    if (count == m_buffer.size()) {
        piece.swap(m_buffer);
    } else {
        piece = m_buffer.left(count);
        m_buffer.remove(0, count);
    }
    m_received += count;
    Q_EMIT bodyPiece(piece);
    if (!m_ended)
        Q_EMIT progress(m_received, m_contentLength);
}

void HttpPost::headersDone()
{
    if (m_status >= 100 && m_status < 200) {
        m_stage = Stage::StatusLine; // an interim answer ("100 Continue"); the real one follows
        if (m_status == 100)
            startBody();
        return;
    }
    if (!m_bodyStarted) {
        // A final answer before the go-ahead refuses the post as it stands: nothing of the body goes.
        m_bodyStarted = true;
        m_tailQueued = true;
        m_file.close();
    }
    bool chunked = false;
    for (const auto& [name, value] : std::as_const(m_headers)) {
        if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0 &&
            value.toLower().contains("chunked"))
            chunked = true;
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            bool ok = false;
            const qint64 length = value.trimmed().toLongLong(&ok);
            if (!ok || length < 0) {
                end(End::BadAnswer, QStringLiteral("the length of the answer is not a number"));
                return;
            }
            m_contentLength = length;
        }
    }
    if (chunked) {
        m_contentLength = -1;
        m_stage = Stage::ChunkSize;
    } else if (m_status == 204 || m_status == 304) {
        m_stage = Stage::Done;
    } else if (m_contentLength >= 0) {
        m_remaining = m_contentLength;
        m_stage = m_remaining > 0 ? Stage::Body : Stage::Done;
    } else {
        m_stage = Stage::UntilClose;
    }
    Q_EMIT headersReceived();
    if (!m_ended)
        Q_EMIT progress(0, m_contentLength);
}

bool HttpPost::step()
{
    QByteArray line;
    switch (m_stage) {
    case Stage::StatusLine: {
        if (!takeLine(&line))
            return false;
        const QList<QByteArray> parts = line.split(' ');
        bool ok = false;
        m_status = parts.size() >= 2 && parts[0].startsWith("HTTP/1.") ? parts[1].toInt(&ok) : 0;
        if (!ok || m_status < 100 || m_status > 999) {
            end(End::BadAnswer, QStringLiteral("the answer is not HTTP"));
            return false;
        }
        m_headers.clear();
        m_contentLength = -1;
        m_stage = Stage::Headers;
        return true;
    }
    case Stage::Headers: {
        if (!takeLine(&line))
            return false;
        if (line.isEmpty()) {
            headersDone();
            return !m_ended;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || m_headers.size() >= kMaxHeaders) {
            end(End::BadAnswer, QStringLiteral("a header of the answer cannot be read"));
            return false;
        }
        m_headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
        return true;
    }
    case Stage::Body:
    case Stage::ChunkData: {
        if (m_buffer.isEmpty())
            return false;
        const qsizetype count = static_cast<qsizetype>(qMin<qint64>(m_buffer.size(), m_remaining));
        m_remaining -= count;
        if (m_remaining == 0)
            m_stage = m_stage == Stage::Body ? Stage::Done : Stage::ChunkEnd;
        deliver(count);
        return !m_ended;
    }
    case Stage::UntilClose:
        if (m_buffer.isEmpty())
            return false;
        deliver(m_buffer.size());
        return false;
    case Stage::ChunkSize: {
        if (!takeLine(&line))
            return false;
        const qsizetype extension = line.indexOf(';'); // chunk extensions are ignored
        const QByteArray digits = (extension < 0 ? line : line.left(extension)).trimmed();
        bool ok = digits.size() <= 15;
        const qint64 size = ok ? digits.toLongLong(&ok, 16) : 0;
        if (!ok || size < 0) {
            end(End::BadAnswer, QStringLiteral("a chunk size of the answer cannot be read"));
            return false;
        }
        m_remaining = size;
        m_stage = size == 0 ? Stage::Trailers : Stage::ChunkData;
        return true;
    }
    case Stage::ChunkEnd:
        if (!takeLine(&line))
            return false;
        if (!line.isEmpty()) {
            end(End::BadAnswer, QStringLiteral("a chunk of the answer is longer than announced"));
            return false;
        }
        m_stage = Stage::ChunkSize;
        return true;
    case Stage::Trailers:
        if (!takeLine(&line))
            return false;
        if (line.isEmpty())
            m_stage = Stage::Done;
        return true;
    case Stage::Done:
        end(End::Complete);
        return false;
    }
    return false;
}

void HttpPost::onReadable()
{
    if (m_working || m_ended || !m_socket)
        return;
    NetworkActivity::progressed();
    m_working = true;
    for (;;) {
        if (m_buffer.size() < kPiece)
            m_buffer += m_socket->read(kPiece - m_buffer.size());
        while (!m_ended && step()) {
        }
        if (m_ended || m_socket->bytesAvailable() == 0)
            break;
        if (m_buffer.size() >= kPiece && m_stage != Stage::Body && m_stage != Stage::ChunkData &&
            m_stage != Stage::UntilClose) {
            end(End::BadAnswer, QStringLiteral("a line of the answer is too long"));
            break;
        }
    }
    m_working = false;
    if (!m_ended && m_closed)
        onClosed();
}

void HttpPost::onClosed()
{
    if (m_ended)
        return;
    m_closed = true;
    if (m_working)
        return; // onReadable finishes the bytes first, then comes back here
    if (m_socket && m_socket->bytesAvailable() > 0) {
        onReadable();
        return;
    }
    while (!m_ended && step()) {
    }
    if (m_ended)
        return;
    if (m_stage == Stage::UntilClose)
        end(End::Complete);
    else
        end(m_connected ? End::ConnectionLost : End::NotReached, m_socket->errorString());
}

void HttpPost::onSocketError()
{
    if (m_ended)
        return;
    const QAbstractSocket::SocketError error = m_socket->error();
    if (error == QAbstractSocket::RemoteHostClosedError) {
        onClosed();
        return;
    }
    if (!m_connected && neverConnected(error)) {
        end(End::NotReached, m_socket->errorString());
    } else if (!m_connected) {
        m_socketError = error;
        end(End::Failed, m_socket->errorString()); // TLS handshake, proxy sign-in, ...
    } else if (m_working) {
        m_closed = true; // the connection broke while a piece was being handled
    } else {
        onClosed();
    }
}

void HttpPost::end(End how, const QString& why)
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_counted)
        NetworkActivity::end();
    m_errorText = why;
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
    Q_EMIT finished(how);
}

} // namespace kitbench
