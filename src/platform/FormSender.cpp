#include "platform/FormSender.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QRandomGenerator>
#include <QSaveFile>

namespace kitbench {

namespace {

QByteArray quotedForHeader(const QString& text)
{
    QByteArray value = text.toUtf8();
    value.replace('\\', "\\\\");
    value.replace('"', "\\\"");
    value.replace('\r', ' ');
    value.replace('\n', ' ');
    return '"' + value + '"';
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
    if (m_exchange)
        m_exchange->disconnect(this); // a child: it goes with this post and closes its connection
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
    if (m_exchange || !m_manager)
        return;
    m_uploadBegun = m_downloadBegun = m_bytesSent = m_cancelled = false;
    m_answer.clear();
    m_resultText.clear();
    m_headerText.clear();
    // The body as a browser sends it: each field a part, then the file, whose content the exchange
    // reads from disk while it sends.
    const QByteArray boundary =
        "----kitbench" + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
    QByteArray head;
    for (const Field& field : std::as_const(m_fields))
        head += "--" + boundary + "\r\nContent-Disposition: form-data; name=" + quotedForHeader(field.name) +
                "\r\n\r\n" + field.value.toUtf8() + "\r\n";
    QByteArray tail = "--" + boundary + "--\r\n";
    if (!m_filePath.isEmpty()) {
        head += "--" + boundary + "\r\nContent-Disposition: form-data; name=" + quotedForHeader(m_fileField) +
                "; filename=" + quotedForHeader(QFileInfo(m_filePath).fileName()) +
                "\r\nContent-Type: " + m_fileType.toUtf8() + "\r\n\r\n";
        tail.prepend("\r\n");
    }
    startExchange("multipart/form-data; boundary=" + boundary, head, tail);
}

void FormPost::cancel()
{
    if (!m_exchange)
        return;
    m_cancelled = true;
    m_exchange->abort();
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
