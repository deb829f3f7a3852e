// The download side of FormPost: the answer is read by HttpDownload and streamed into a QSaveFile,
// whose temporary file lies beside the target and replaces it only when the body is whole.
#include "platform/FormSender.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QSaveFile>

namespace kitbench {

namespace {

QByteArray quoted(const QString& text)
{
    QByteArray value = text.toUtf8();
    value.replace('\\', "\\\\").replace('"', "\\\"").replace('\r', ' ').replace('\n', ' ');
    return '"' + value + '"';
}

} // namespace

void FormPost::sendForFile()
{
    m_choosingPlace = m_saveFailed = false;
    m_saveError.clear();
    m_target.reset();
    const QByteArray boundary =
        "----kitbench" + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
    QByteArray body;
    for (const Field& field : std::as_const(m_fields))
        body += "--" + boundary + "\r\nContent-Disposition: form-data; name=" + quoted(field.name) +
                "\r\n\r\n" + field.value.toUtf8() + "\r\n";
    body += "--" + boundary + "--\r\n";
    m_download = new HttpDownload(m_address, "multipart/form-data; boundary=" + boundary, body,
                                  m_manager->proxy(), this);
    connect(m_download, &HttpDownload::headersReceived, this, &FormPost::onFileHeaders);
    connect(m_download, &HttpDownload::bodyPiece, this, &FormPost::onFilePiece);
    connect(m_download, &HttpDownload::progress, this, &FormPost::onFileProgress);
    connect(m_download, &HttpDownload::finished, this, &FormPost::onFileFinished);
    m_download->start();
}

void FormPost::onFileHeaders()
{
    for (const auto& [name, value] : m_download->headers())
        m_headerText +=
            QString::fromLatin1(name) + QStringLiteral(": ") + QString::fromUtf8(value) + QLatin1Char('\n');
    const int status = m_download->status();
    if (status < 200 || status >= 300)
        return; // an error page: its body is dropped, the status reported at the end
    m_bytesSent = true;
    m_choosingPlace = true;
    Q_EMIT fileArriving();
    m_choosingPlace = false;
    if (m_download && !m_target && !m_cancelled)
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
    return QString();
}

void FormPost::onFilePiece(const QByteArray& piece)
{
    if (!m_target)
        return;
    if (m_target->write(piece) != piece.size()) {
        // The disk is full or gone: the transfer stops and nothing is left behind.
        m_saveError = m_target->errorString();
        m_saveFailed = true;
        m_target->cancelWriting();
        m_target.reset();
        m_download->abort();
    }
}

void FormPost::onFileProgress(qint64 received, qint64 total)
{
    if (!m_downloadBegun) {
        m_downloadBegun = true;
        Q_EMIT downloadBegin(total < 0 ? 0 : total);
    }
    Q_EMIT downloadStep(received);
}

void FormPost::onFileFinished(HttpDownload::End end)
{
    HttpDownload* download = m_download;
    m_download = nullptr;
    download->deleteLater();
    const int status = download->status();
    if (m_saveFailed) {
        complete(SaveFailed, 0);
    } else if (m_cancelled || end == HttpDownload::End::Aborted) {
        complete(Failure, QNetworkReply::OperationCanceledError);
    } else if (status >= 300) {
        complete(HttpError, status);
    } else if (end == HttpDownload::End::Complete) {
        if (m_target && !m_target->commit()) {
            m_saveError = m_target->errorString();
            complete(SaveFailed, 0);
            return;
        }
        m_target.reset();
        Q_EMIT downloadEnd();
        complete(Success, 0);
    } else if (end == HttpDownload::End::NotReached) {
        complete(HttpError, kNotReached);
    } else if (end == HttpDownload::End::ConnectionLost) {
        complete(HttpError, kConnectionLost);
    } else {
        complete(Failure, end == HttpDownload::End::BadAnswer ? QNetworkReply::ProtocolFailure
                                                              : QNetworkReply::UnknownNetworkError);
    }
}

} // namespace kitbench
