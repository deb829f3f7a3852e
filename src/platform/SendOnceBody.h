#pragma once

#include <QByteArray>
#include <QIODevice>

namespace kitbench {

// A request body that can be read once, front to back, and never rewound. Qt's HTTP layer sends a
// request again on its own when a kept-alive connection closes before the answer arrives, but only
// when it can rewind the body; a request that may already have changed something on the server goes
// out with this body (and a known Content-Length, so Qt does not buffer it) and is sent at most once.
class SendOnceBody : public QIODevice
{
public:
    explicit SendOnceBody(QByteArray bytes, QObject* parent = nullptr);

    // The whole length: the request's Content-Length.
    qint64 totalSize() const { return m_bytes.size(); }

    bool isSequential() const override { return true; }
    bool reset() override { return false; }
    bool seek(qint64) override { return false; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_read = 0;
};

} // namespace kitbench
