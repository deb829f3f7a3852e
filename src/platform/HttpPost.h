#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QNetworkProxy>
#include <QObject>
#include <QPair>
#include <QUrl>

class QTcpSocket;

namespace kitbench {

// One POST on a connection of its own, written and read here rather than by the network manager.
// The reader knows where the answer ends (the Content-Length, the last chunk), so an answer the
// server or the network cut short is told from a whole one; the network manager ends a chunked
// answer whose connection closed between two chunks as if it were complete, now and then. The
// request is sent once: a lost connection is reported, never retried.
//
// A file in the request is read from disk in large pieces as the socket drains, and the answer is
// handed out piece by piece with the socket reading no further ahead than one buffer, so files of
// any size pass both ways in bounded memory, without the network manager's hand-over of every
// 16 KiB between two threads.
class HttpPost : public QObject
{
    Q_OBJECT
public:
    enum class End
    {
        Complete,
        NotReached,     // no connection to the server (or its proxy)
        ConnectionLost, // the connection closed before the answer was whole
        Aborted,
        BadAnswer, // not HTTP as far as this reader can tell
        Failed     // another socket error (TLS, proxy authentication, ...)
    };

    // The request body is `head`, the content of the file at `filePath` (none when empty), `tail`.
    HttpPost(QUrl address, QByteArray contentType, QByteArray head, QString filePath, QByteArray tail,
             const QNetworkProxy& proxy, QObject* parent = nullptr);
    ~HttpPost() override;

    // False when the file to send cannot be read (nothing is sent then).
    bool start();
    // Stops the exchange; finished(Aborted) follows at once.
    void abort();

    int status() const { return m_status; }
    const QList<QPair<QByteArray, QByteArray>>& headers() const { return m_headers; }
    qint64 contentLength() const { return m_contentLength; }
    QString errorText() const { return m_errorText; }
    // The socket's error behind End::Failed (TLS, proxy sign-in, ...).
    QAbstractSocket::SocketError socketError() const { return m_socketError; }

Q_SIGNALS:
    // The status line and headers are in. A receiver may wait (a dialog) before returning: the body
    // waits in the socket meanwhile.
    void headersReceived();
    void bodyPiece(const QByteArray& piece);
    void progress(qint64 received, qint64 total);
    void uploadProgress(qint64 sent, qint64 total);
    void finished(kitbench::HttpPost::End end);

private:
    enum class Stage
    {
        StatusLine,
        Headers,
        Body,       // Content-Length bytes
        UntilClose, // neither length nor chunks: the close ends it
        ChunkSize,
        ChunkData,
        ChunkEnd, // the line break after a chunk
        Trailers,
        Done
    };
    void onConnected();
    // After the go-ahead, or when it is not awaited (or overdue): the body from its start.
    void startBody();
    void onBytesWritten(qint64 count);
    // Tops the socket's send buffer up from the file, then the tail.
    void sendMore();
    void onReadable();
    void onClosed();
    void onSocketError();
    // Works through the buffered bytes; false when more are needed.
    bool step();
    bool takeLine(QByteArray* line);
    void headersDone();
    void deliver(qsizetype count);
    void end(End how, const QString& why = QString());

    QUrl m_address;
    QByteArray m_contentType;
    QByteArray m_head;
    QByteArray m_tail;
    QFile m_file;
    qint64 m_requestSize = 0; // of the body
    qint64 m_sent = 0;        // bytes of the body the socket has written
    qint64 m_headerSize = 0;  // of the request line and headers, written first
    bool m_tailQueued = false;
    bool m_bodyStarted = false; // or refused before it started
    QNetworkProxy m_proxy;
    QTcpSocket* m_socket = nullptr;
    QByteArray m_buffer;
    Stage m_stage = Stage::StatusLine;
    int m_status = 0;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    qint64 m_contentLength = -1;
    qint64 m_remaining = 0; // of the body or of the current chunk
    qint64 m_received = 0;
    bool m_viaHttpProxy = false;
    bool m_connected = false;
    bool m_working = false; // inside onReadable: a nested event loop must not re-enter it
    bool m_closed = false;
    bool m_ended = false;
    bool m_counted = false; // begun in the network activity count
    QString m_errorText;
    QAbstractSocket::SocketError m_socketError = QAbstractSocket::UnknownSocketError;
};

} // namespace kitbench
