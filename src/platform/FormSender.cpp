#include "platform/FormSender.h"

#include "platform/NetworkActivity.h"
#include "platform/SendOnceBody.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTimer>

namespace kitbench {

namespace {

// A download is read in pieces of this size at most, so a large file never sits in memory.
constexpr qint64 kReadBuffer = 64 * 1024;
// The answer of a publishing post is a short page; more than this is not kept.
constexpr qsizetype kMaxAnswer = 8 * 1024 * 1024;

QByteArray quotedForHeader(const QString& text)
{
    QByteArray value = text.toUtf8();
    value.replace('\\', "\\\\");
    value.replace('"', "\\\"");
    value.replace('\r', ' ');
    value.replace('\n', ' ');
    return '"' + value + '"';
}

QByteArray partHead(const QByteArray& boundary, const QByteArray& disposition, const QByteArray& type = {})
{
    QByteArray head = "--" + boundary + "\r\nContent-Disposition: form-data; name=" + disposition + "\r\n";
    if (!type.isEmpty())
        head += "Content-Type: " + type + "\r\n";
    return head + "\r\n";
}

bool neverReached(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
        return true;
    default:
        return false;
    }
}

} // namespace

FormSender::FormSender(QObject* parent) : QObject(parent), m_manager(new QNetworkAccessManager(this))
{
    m_manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

void FormSender::setProxy(const SoapConnector::Proxy& proxy)
{
    QString ignored;
    if (!applyProxy(*m_manager, proxy, &ignored))
        m_manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

FormPost* FormSender::createForm(QObject* parent)
{
    return new FormPost(m_manager, parent);
}

FormPost::FormPost(QNetworkAccessManager* manager, QObject* parent) : QObject(parent), m_manager(manager) {}

FormPost::~FormPost()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        NetworkActivity::end();
    }
}

void FormPost::addField(const QString& name, const QString& value)
{
    m_fields.append({name, value});
}

void FormPost::setFile(const QString& localPath, const QString& fieldName, const QString& contentType)
{
    m_filePath = localPath;
    m_fileField = fieldName;
    m_fileType = contentType;
}

void FormPost::send()
{
    if (m_reply || !m_manager)
        return;
    m_uploadBegun = m_downloadBegun = m_bytesSent = m_cancelled = false;
    m_answer.clear();
    m_resultText.clear();
    m_headerText.clear();
    m_received.reset();

    // The form is streamed as one body that can be read once: a post that publishes a file is never
    // sent twice, not even by the network layer when the connection drops before the answer.
    auto* body = new SendOnceBody;
    const QByteArray boundary = "kitbench-" +
                                QByteArray::number(QRandomGenerator::global()->generate64(), 36) +
                                QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    for (const Field& field : std::as_const(m_fields))
        body->append(partHead(boundary, quotedForHeader(field.name)) + field.value.toUtf8() + "\r\n");
    if (!m_filePath.isEmpty()) {
        auto* file = new QFile(m_filePath, body);
        if (!file->open(QIODevice::ReadOnly)) {
            delete body;
            // Reported like any transfer failure, after the caller has returned.
            QTimer::singleShot(0, this, [this] { complete(Failure, kNotReached); });
            return;
        }
        body->append(partHead(boundary,
                              quotedForHeader(m_fileField) +
                                  "; filename=" + quotedForHeader(QFileInfo(m_filePath).fileName()),
                              m_fileType.toUtf8()));
        body->append(file, file->size());
        body->append(QByteArrayLiteral("\r\n"));
    }
    body->append("--" + boundary + "--\r\n");
    if (m_receivesFile) {
        m_received =
            std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("kitbench-XXXXXX")));
        if (!m_received->open()) {
            delete body;
            m_received.reset();
            QTimer::singleShot(0, this, [this] { complete(Failure, kNotReached); });
            return;
        }
    }

    QNetworkRequest request(m_address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "multipart/form-data; boundary=" + boundary);
    request.setHeader(QNetworkRequest::ContentLengthHeader, body->totalSize());
    request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
    // A kept-alive connection the server closed while the user paused would fail this post, which
    // is not resent: every form goes out on a fresh connection.
    m_manager->clearConnectionCache();
    body->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    m_reply = m_manager->post(request, body);
    body->setParent(m_reply);
    NetworkActivity::begin();
    if (m_receivesFile)
        m_reply->setReadBufferSize(kReadBuffer);
    connect(m_reply, &QNetworkReply::uploadProgress, this, &FormPost::onUploadProgress);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &FormPost::onDownloadProgress);
    connect(m_reply, &QNetworkReply::readyRead, this, &FormPost::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &FormPost::onFinished);
}

void FormPost::cancel()
{
    if (!m_reply)
        return;
    m_cancelled = true;
    m_reply->abort();
}

void FormPost::onUploadProgress(qint64 sent, qint64 total)
{
    NetworkActivity::progressed();
    if (sent > 0)
        m_bytesSent = true;
    if (!m_uploadBegun) {
        m_uploadBegun = true;
        Q_EMIT uploadBegin(total < 0 ? 0 : total);
    }
    Q_EMIT uploadStep(sent);
}

void FormPost::onDownloadProgress(qint64 received, qint64 total)
{
    NetworkActivity::progressed();
    if (!m_receivesFile)
        return;
    if (!m_downloadBegun) {
        m_downloadBegun = true;
        Q_EMIT downloadBegin(total < 0 ? 0 : total);
    }
    Q_EMIT downloadStep(received);
}

void FormPost::onReadyRead()
{
    if (!m_reply)
        return;
    if (m_received) {
        while (m_reply->bytesAvailable() > 0) {
            const QByteArray piece = m_reply->read(kReadBuffer);
            if (piece.isEmpty() || m_received->write(piece) != piece.size()) {
                m_reply->abort(); // the disk is full or gone: the transfer fails
                return;
            }
        }
        return;
    }
    const QByteArray piece = m_reply->readAll();
    if (m_answer.size() < kMaxAnswer)
        m_answer += piece.left(kMaxAnswer - m_answer.size());
}

void FormPost::onFinished()
{
    QNetworkReply* reply = m_reply;
    onReadyRead();
    m_reply = nullptr;
    NetworkActivity::end();
    reply->deleteLater();

    for (const QNetworkReply::RawHeaderPair& header : reply->rawHeaderPairs())
        m_headerText += QString::fromLatin1(header.first) + QStringLiteral(": ") +
                        QString::fromUtf8(header.second) + QLatin1Char('\n');
    m_resultText = QString::fromUtf8(m_answer);
    m_answer.clear();
    if (m_received)
        m_received->flush();

    const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply->error();
    if (m_cancelled) {
        complete(Failure, QNetworkReply::OperationCanceledError);
    } else if (httpStatus >= 300) {
        complete(HttpError, httpStatus);
    } else if (error == QNetworkReply::NoError) {
        if (m_receivesFile)
            Q_EMIT downloadEnd();
        complete(Success, 0);
    } else if (neverReached(error)) {
        complete(HttpError, kNotReached);
    } else if (error == QNetworkReply::ContentReSendError) {
        complete(HttpError, kConnectionLost); // dropped after the form went out; it is not sent again
    } else if (error == QNetworkReply::RemoteHostClosedError || error == QNetworkReply::TimeoutError ||
               error == QNetworkReply::TemporaryNetworkFailureError) {
        complete(HttpError, m_bytesSent || httpStatus != 0 ? kConnectionLost : kNotReached);
    } else {
        complete(Failure, error);
    }
}

void FormPost::complete(int status, int code)
{
    if (status != Success)
        m_received.reset();
    Q_EMIT completed(status, code);
}

QString FormPost::saveReceivedFile(const QString& path)
{
    if (!m_received)
        return QStringLiteral("No file was received.");
    QFile source(m_received->fileName());
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    // Written beside the target and moved into place, so a failed save never leaves half a file.
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly))
        return target.errorString();
    QByteArray buffer;
    while (!source.atEnd()) {
        buffer = source.read(kReadBuffer);
        if (buffer.isEmpty() && source.error() != QFileDevice::NoError)
            return source.errorString();
        if (target.write(buffer) != buffer.size())
            return target.errorString();
    }
    if (!target.commit())
        return target.errorString();
    return QString();
}

QString FormPost::saveResultText(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(m_resultText.toUtf8());
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace kitbench
