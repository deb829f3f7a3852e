// FormPost's exchange with the server through HttpPost: the answer page of a post is kept as text; the
// file of a download goes into a QSaveFile whose temporary file lies beside the target and replaces it
// only when the answer is whole.
#include "platform/FormSender.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTimer>

namespace kitbench {

namespace {

// The answer of a publishing post is a short page; more than this is not kept.
constexpr qsizetype kMaxAnswer = 8 * 1024 * 1024;

// The code a failed exchange reports, in the network manager's numbering the messages show.
int networkErrorOf(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::SslHandshakeFailedError:
    case QAbstractSocket::SslInternalError:
    case QAbstractSocket::SslInvalidUserDataError:
        return QNetworkReply::SslHandshakeFailedError;
    case QAbstractSocket::ProxyAuthenticationRequiredError:
        return QNetworkReply::ProxyAuthenticationRequiredError;
    case QAbstractSocket::ProxyProtocolError:
    case QAbstractSocket::ProxyConnectionClosedError:
        return QNetworkReply::UnknownProxyError;
    default:
        return QNetworkReply::UnknownNetworkError;
    }
}

} // namespace

void FormPost::startExchange(const QByteArray& contentType, const QByteArray& head, const QByteArray& tail)
{
    m_choosingPlace = m_saveFailed = false;
    m_saveError.clear();
    m_target.reset();
    // The proxy the manager would take for this address (its own, or the system's through a factory).
    QNetworkProxy proxy = m_manager->proxy();
    if (QNetworkProxyFactory* factory = m_manager->proxyFactory()) {
        const QList<QNetworkProxy> offered = factory->queryProxy(QNetworkProxyQuery(m_address));
        if (!offered.isEmpty())
            proxy = offered.first();
    }
    m_exchange = new HttpPost(m_address, contentType, head, m_filePath, tail, proxy, this);
    connect(m_exchange, &HttpPost::uploadProgress, this, &FormPost::onUploadProgress);
    connect(m_exchange, &HttpPost::headersReceived, this, &FormPost::onHeaders);
    connect(m_exchange, &HttpPost::bodyPiece, this, &FormPost::onPiece);
    connect(m_exchange, &HttpPost::progress, this, &FormPost::onDownloadProgress);
    connect(m_exchange, &HttpPost::finished, this, &FormPost::onExchangeEnd);
    if (!m_exchange->start()) {
        m_exchange->deleteLater();
        m_exchange = nullptr;
        // The file to send cannot be read: reported like any transfer failure, after the caller returned.
        QTimer::singleShot(0, this, [this] { complete(Failure, kNotReached); });
    }
}

void FormPost::onHeaders()
{
    for (const auto& [name, value] : m_exchange->headers())
        m_headerText +=
            QString::fromLatin1(name) + QStringLiteral(": ") + QString::fromUtf8(value) + QLatin1Char('\n');
    const int status = m_exchange->status();
    if (!m_receivesFile || status < 200 || status >= 300)
        return; // an answer page, or an error page reported at the end
    m_choosingPlace = true;
    Q_EMIT fileArriving();
    m_choosingPlace = false;
    if (m_exchange && !m_target && !m_cancelled)
        cancel(); // nobody took the file
}

QString FormPost::receiveInto(const QString& path)
{
    if (!m_choosingPlace)
        return QStringLiteral("No file is arriving.");
    const QFileInfo place(path);
    if (place.isDir())
        return QDir::toNativeSeparators(place.absoluteFilePath()) + QStringLiteral(" is a folder");
    auto target = std::make_unique<QSaveFile>(path);
    if (!target->open(QIODevice::WriteOnly))
        return target->errorString();
    m_target = std::move(target);
    m_writeback = EarlyWriteback();
    return QString();
}

void FormPost::onPiece(const QByteArray& piece)
{
    if (!m_receivesFile) {
        if (m_answer.size() < kMaxAnswer)
            m_answer += piece.left(kMaxAnswer - m_answer.size());
        return;
    }
    if (!m_target)
        return; // the body of an error page
    if (m_target->write(piece) != piece.size()) {
        // The disk is full or gone: the transfer stops and nothing is left behind.
        m_saveError = m_target->errorString();
        m_saveFailed = true;
        m_target->cancelWriting();
        m_target.reset();
        m_exchange->abort();
        return;
    }
    m_writeback.written(*m_target);
}

void FormPost::onDownloadProgress(qint64 received, qint64 total)
{
    if (!m_receivesFile)
        return;
    if (!m_downloadBegun) {
        m_downloadBegun = true;
        Q_EMIT downloadBegin(total < 0 ? 0 : total);
    }
    Q_EMIT downloadStep(received);
}

void FormPost::onExchangeEnd(HttpPost::End end)
{
    HttpPost* exchange = m_exchange;
    m_exchange = nullptr;
    exchange->deleteLater();
    m_resultText = QString::fromUtf8(m_answer);
    m_answer.clear();
    const int status = exchange->status();
    if (m_saveFailed) {
        complete(SaveFailed, 0);
    } else if (m_cancelled || end == HttpPost::End::Aborted) {
        complete(Failure, QNetworkReply::OperationCanceledError);
    } else if (status >= 300 && end != HttpPost::End::BadAnswer) {
        complete(HttpError, status);
    } else if (end == HttpPost::End::Complete) {
        if (m_target && !m_target->commit()) {
            m_saveError = m_target->errorString();
            complete(SaveFailed, 0);
            return;
        }
        m_target.reset();
        if (m_receivesFile)
            Q_EMIT downloadEnd();
        complete(Success, 0);
    } else if (end == HttpPost::End::NotReached) {
        complete(HttpError, kNotReached);
    } else if (end == HttpPost::End::ConnectionLost) {
        complete(HttpError, m_bytesSent || status != 0 ? kConnectionLost : kNotReached);
    } else if (end == HttpPost::End::BadAnswer) {
        complete(Failure, QNetworkReply::ProtocolFailure);
    } else {
        complete(Failure, networkErrorOf(exchange->socketError()));
    }
}

} // namespace kitbench
