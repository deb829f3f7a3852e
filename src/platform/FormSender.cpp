#include "platform/FormSender.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

namespace kitbench {

namespace {

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
    if (m_download)
        m_download->disconnect(this);
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
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
    if (m_receivesFile) {
        sendForFile();
        return;
    }

    auto* form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    for (const Field& field : std::as_const(m_fields)) {
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentDispositionHeader,
                       QByteArray("form-data; name=") + quotedForHeader(field.name));
        part.setBody(field.value.toUtf8());
        form->append(part);
    }
    if (!m_filePath.isEmpty()) {
        auto* file = new QFile(m_filePath, form);
        if (!file->open(QIODevice::ReadOnly)) {
            delete form;
            // Reported like any transfer failure, after the caller has returned.
            QTimer::singleShot(0, this, [this] { complete(Failure, kNotReached); });
            return;
        }
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentDispositionHeader,
                       QByteArray("form-data; name=") + quotedForHeader(m_fileField) +
                           "; filename=" + quotedForHeader(QFileInfo(m_filePath).fileName()));
        part.setHeader(QNetworkRequest::ContentTypeHeader, m_fileType.toUtf8());
        part.setBodyDevice(file);
        form->append(part);
    }

    QNetworkRequest request(m_address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_reply = m_manager->post(request, form);
    form->setParent(m_reply);
    connect(m_reply, &QNetworkReply::uploadProgress, this, &FormPost::onUploadProgress);
    connect(m_reply, &QNetworkReply::readyRead, this, &FormPost::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &FormPost::onFinished);
}

void FormPost::cancel()
{
    if (m_download) {
        m_cancelled = true;
        m_download->abort();
        return;
    }
    if (!m_reply)
        return;
    m_cancelled = true;
    m_reply->abort();
}

void FormPost::onUploadProgress(qint64 sent, qint64 total)
{
    if (sent > 0)
        m_bytesSent = true;
    if (!m_uploadBegun) {
        m_uploadBegun = true;
        Q_EMIT uploadBegin(total < 0 ? 0 : total);
    }
    Q_EMIT uploadStep(sent);
}

void FormPost::onReadyRead()
{
    if (!m_reply)
        return;
    const QByteArray piece = m_reply->readAll();
    if (m_answer.size() < kMaxAnswer)
        m_answer += piece.left(kMaxAnswer - m_answer.size());
}

void FormPost::onFinished()
{
    QNetworkReply* reply = m_reply;
    onReadyRead();
    m_reply = nullptr;
    reply->deleteLater();

    for (const QNetworkReply::RawHeaderPair& header : reply->rawHeaderPairs())
        m_headerText += QString::fromLatin1(header.first) + QStringLiteral(": ") +
                        QString::fromUtf8(header.second) + QLatin1Char('\n');
    m_resultText = QString::fromUtf8(m_answer);
    m_answer.clear();

    const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply->error();
    if (m_cancelled) {
        complete(Failure, QNetworkReply::OperationCanceledError);
    } else if (httpStatus >= 300) {
        complete(HttpError, httpStatus);
    } else if (error == QNetworkReply::NoError) {
        complete(Success, 0);
    } else if (neverReached(error)) {
        complete(HttpError, kNotReached);
    } else if (error == QNetworkReply::RemoteHostClosedError || error == QNetworkReply::TimeoutError ||
               error == QNetworkReply::TemporaryNetworkFailureError) {
        complete(HttpError, m_bytesSent || httpStatus != 0 ? kConnectionLost : kNotReached);
    } else {
        complete(Failure, error);
    }
}

void FormPost::complete(int status, int code)
{
    if (m_target) {
        // Not committed: the temporary file goes, whatever was at the target's place stays.
        m_target->cancelWriting();
        m_target.reset();
    }
    Q_EMIT completed(status, code);
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
