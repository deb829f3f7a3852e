#pragma once

#include "platform/soap/SoapConnector.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>

#include "platform/EarlyWriteback.h"
#include "platform/HttpPost.h"

class QNetworkAccessManager;
class QSaveFile;

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
// while it is sent. A download post streams the answer into a temporary file beside the place the
// receiver names (fileArriving, receiveInto) and moves it there only once the whole body has arrived,
// so a cut transfer neither replaces nor leaves behind anything.
//
// Completion status: 0 success; 1 a failure with a code (the network error, or 601 when the file to
// send cannot be read); 2 an HTTP error with its status, or 601 (the server could not be reached) and
// 602 (the connection was lost during the transfer, or the body ended short); 3 the received file
// could not be written (saveError says why).
class FormPost : public QObject
{
    Q_OBJECT
public:
    enum Status
    {
        Success = 0,
        Failure = 1,
        HttpError = 2,
        SaveFailed = 3
    };
    static constexpr int kNotReached = 601;
    static constexpr int kConnectionLost = 602;

    ~FormPost() override;

    void addField(const QString& name, const QString& value);
    void setFile(const QString& localPath, const QString& fieldName, const QString& contentType);
    void setAddress(const QUrl& address) { m_address = address; }
    // The answer is a file to store (downloads) instead of the result text.
    void setReceivesFile(bool receivesFile) { m_receivesFile = receivesFile; }

    // Sends the form; the result arrives through the signals. Returns at once.
    void send();
    // Stops a running transfer; it completes with status 1.
    void cancel();
    bool running() const { return m_exchange != nullptr; }

    // The server's answer as text (posts that do not receive a file).
    QString resultText() const { return m_resultText; }
    // The response headers, one "Name: value" line each.
    QString headerText() const { return m_headerText; }
    // Called from fileArriving: the body goes to `path` (replacing a file there once complete); "" when
    // the place can take it, else why not (the receiver may then name another place or cancel).
    QString receiveInto(const QString& path);
    // Why the received file could not be written (status 3).
    QString saveError() const { return m_saveError; }
    // Writes the result text to `path`; "" on success, else why not.
    QString saveResultText(const QString& path) const;

Q_SIGNALS:
    void uploadBegin(qint64 total);
    void uploadStep(qint64 done);
    // A download's file has begun to arrive (headerText is known): the receiver calls receiveInto or
    // cancel before it returns; the rest of the body waits meanwhile.
    void fileArriving();
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
    void complete(int status, int code);
    // The exchange with the server (FormPostExchange.cpp).
    void startExchange(const QByteArray& contentType, const QByteArray& head, const QByteArray& tail);
    void onHeaders();
    void onPiece(const QByteArray& piece);
    void onDownloadProgress(qint64 received, qint64 total);
    void onExchangeEnd(HttpPost::End end);

    QPointer<QNetworkAccessManager> m_manager;
    QUrl m_address;
    QList<Field> m_fields;
    QString m_filePath;
    QString m_fileField;
    QString m_fileType;
    bool m_receivesFile = false;
    bool m_uploadBegun = false;
    bool m_downloadBegun = false;
    bool m_bytesSent = false;
    bool m_cancelled = false;
    QByteArray m_answer;
    HttpPost* m_exchange = nullptr;
    bool m_choosingPlace = false; // inside fileArriving
    bool m_saveFailed = false;
    std::unique_ptr<QSaveFile> m_target;
    EarlyWriteback m_writeback;
    QString m_saveError;
    QString m_resultText;
    QString m_headerText;
};

} // namespace kitbench
