#pragma once

// A live orvello-devserver for end-to-end tests: port 0, a fresh data folder and journal, stopped
// when the test ends.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

// A JSON array or object in compact form, as journal lines show it.
inline QString compactJson(const QJsonValue& value)
{
    return QString::fromUtf8(value.isArray()
                                 ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                                 : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
}

class DevServer
{
public:
    // Starts the server; address() is empty when it did not come up (errorOutput() says why).
    explicit DevServer(const QStringList& extraArguments = {})
    {
        m_process.setProgram(QStringLiteral(DEVSERVER_BINARY));
        m_process.setArguments(QStringList{"--listen", "127.0.0.1:0", "--data", m_dir.filePath("data"),
                                           "--journal", journalPath()} +
                               extraArguments);
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return;
        while (m_process.state() == QProcess::Running && !m_process.canReadLine())
            m_process.waitForReadyRead(200);
        const QString first = QString::fromUtf8(m_process.readLine()).trimmed();
        const QRegularExpressionMatch listening =
            QRegularExpression("^listening on (https?)://(.+)$").match(first);
        m_scheme = listening.captured(1);
        m_address = listening.captured(2);
    }

    ~DevServer()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }

    QString address() const { return m_address; } // "127.0.0.1:PORT"
    QString scheme() const { return m_scheme; }   // "http", or "https" with --tls-cert
    QString errorOutput() { return QString::fromUtf8(m_process.readAllStandardError()); }
    QString journalPath() const { return m_dir.filePath("journal.jsonl"); }

    // Every journal entry so far, in order.
    QList<QJsonObject> journal() const
    {
        QList<QJsonObject> entries;
        QFile file(journalPath());
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray& line : file.readAll().split('\n'))
                if (!line.trimmed().isEmpty())
                    entries.append(QJsonDocument::fromJson(line).object());
        return entries;
    }

    qsizetype journalSize() const { return journal().size(); }

    // The journal entries of one SOAP method.
    QList<QJsonObject> calls(const QString& method) const
    {
        QList<QJsonObject> found = journal();
        found.removeIf([&](const QJsonObject& entry) { return entry.value("method").toString() != method; });
        return found;
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_address;
    QString m_scheme;
};
