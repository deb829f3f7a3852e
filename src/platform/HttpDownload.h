#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkProxy>
#include <QObject>
#include <QPair>
#include <QUrl>

class QTcpSocket;

namespace kitbench {

// One POST on a connection of its own whose answer is read here rather than by the network manager:
// this reader knows where the body ends (the Content-Length, the last chunk), so a body the server
// or the network cut short is told from a whole one. The network manager ends a chunked answer
// whose connection closed between two chunks as if it were complete, now and then.
//
// The body is handed out piece by piece as it arrives and the socket reads no further ahead than
// one buffer, so a file of any size passes in bounded memory. The request is sent once; a lost
// connection is reported, never retried.
class HttpDownload : public QObject
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

    HttpDownload(QUrl address, QByteArray contentType, QByteArray body, const QNetworkProxy& proxy,
                 QObject* parent = nullptr);
    ~HttpDownload() override;

    void start();
    // Stops the exchange; finished(Aborted) follows at once.
    void abort();

    int status() const { return m_status; }
    const QList<QPair<QByteArray, QByteArray>>& headers() const { return m_headers; }
    qint64 contentLength() const { return m_contentLength; }
    QString errorText() const { return m_errorText; }

Q_SIGNALS:
    // The status line and headers are in. A receiver may wait (a dialog) before returning: the body
    // waits in the socket meanwhile.
    void headersReceived();
    void bodyPiece(const QByteArray& piece);
    void progress(qint64 received, qint64 total);
    void finished(kitbench::HttpDownload::End end);

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
    QByteArray m_body;
    QNetworkProxy m_proxy;
    QTcpSocket* m_socket = nullptr;
    QByteArray m_buffer;
    Stage m_stage = Stage::StatusLine;
    int m_status = 0;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    qint64 m_contentLength = -1;
    qint64 m_remaining = 0; // of the body or of the current chunk
    qint64 m_received = 0;
    bool m_connected = false;
    bool m_working = false; // inside onReadable: a nested event loop must not re-enter it
    bool m_closed = false;
    bool m_ended = false;
    QString m_errorText;
};

} // namespace kitbench
