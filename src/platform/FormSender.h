#pragma once

#include "platform/soap/SoapConnector.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>

class QFile;
class QNetworkAccessManager;
class QNetworkReply;
class QTemporaryFile;

namespace kitbench {

class FormPost;

// Posts HTML forms the way a browser does, for the publishing and download pages of the server: the
// root object holds the proxy and the network manager; each post is a FormPost it creates.
class FormSender : public QObject
{
    Q_OBJECT
public:
    explicit FormSender(QObject* parent = nullptr);

    // Errors are ignored: a proxy that cannot be understood leaves the posts without one.
    void setProxy(const SoapConnector::Proxy& proxy);
    // A new post, owned by the caller (its QObject parent).
    FormPost* createForm(QObject* parent);

private:
    QNetworkAccessManager* m_manager;
};

// One multipart form post. Fields and the file go out in the order added; the file is read from disk
// while it is sent. Each post goes out once, on a fresh connection: a connection lost after sending is
// reported (602), never answered by sending the form again. A download post keeps the answer in a
// temporary file until it is saved.
//
// Completion status: 0 success; 1 a failure with a code (the network error, or 601 when the file to
// send cannot be read); 2 an HTTP error with its status, or 601 (the server could not be reached) and
// 602 (the connection was lost during the transfer).
class FormPost : public QObject
{
    Q_OBJECT
public:
    enum Status
    {
        Success = 0,
        Failure = 1,
        HttpError = 2
    };
    static constexpr int kNotReached = 601;
    static constexpr int kConnectionLost = 602;

    ~FormPost() override;

    void addField(const QString& name, const QString& value);
    void setFile(const QString& localPath, const QString& fieldName, const QString& contentType);
    void setAddress(const QUrl& address) { m_address = address; }
    // The answer goes to a temporary file (downloads) instead of the result text.
    void setReceivesFile(bool receivesFile) { m_receivesFile = receivesFile; }

    // Sends the form; the result arrives through the signals. Returns at once.
    void send();
    // Stops a running transfer; it completes with status 1.
    void cancel();
    bool running() const { return m_reply != nullptr; }

    // The server's answer as text (posts that do not receive a file).
    QString resultText() const { return m_resultText; }
    // The response headers, one "Name: value" line each.
    QString headerText() const { return m_headerText; }
    // Stores the received file at `path` (replacing a file there); "" on success, else why not.
    QString saveReceivedFile(const QString& path);
    // Writes the result text to `path`; "" on success, else why not.
    QString saveResultText(const QString& path) const;

Q_SIGNALS:
    void uploadBegin(qint64 total);
    void uploadStep(qint64 done);
    void downloadBegin(qint64 total);
    void downloadStep(qint64 done);
    void downloadEnd();
    void completed(int status, int code);

private:
    friend class FormSender;
    FormPost(QNetworkAccessManager* manager, QObject* parent);

    struct Field
    {
        QString name;
        QString value;
    };
    void onUploadProgress(qint64 sent, qint64 total);
    void onDownloadProgress(qint64 received, qint64 total);
    void onReadyRead();
    void onFinished();
    void complete(int status, int code);

    QPointer<QNetworkAccessManager> m_manager;
    QUrl m_address;
    QList<Field> m_fields;
    QString m_filePath;
    QString m_fileField;
    QString m_fileType;
    bool m_receivesFile = false;
    QNetworkReply* m_reply = nullptr;
    bool m_uploadBegun = false;
    bool m_downloadBegun = false;
    bool m_bytesSent = false;
    bool m_cancelled = false;
    QByteArray m_answer;
    std::unique_ptr<QTemporaryFile> m_received;
    QString m_resultText;
    QString m_headerText;
};

} // namespace kitbench
