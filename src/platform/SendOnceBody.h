#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>

namespace kitbench {

// A request body that can be read once, front to back, and never rewound. Qt's HTTP layer sends a
// request again on its own when a kept-alive connection closes before the answer arrives, but only
// when it can rewind the body; a request that may already have changed something on the server goes
// out with this body (and a known Content-Length, so Qt does not buffer it) and is sent at most once.
class SendOnceBody : public QIODevice
{
public:
    explicit SendOnceBody(QObject* parent = nullptr);

    // Pieces are read in the order appended. A device is read from its current position for `size`
    // bytes; it becomes a child of this body. Append everything before the body is opened.
    void append(const QByteArray& bytes);
    void append(QIODevice* device, qint64 size);
    // The whole length: the request's Content-Length.
    qint64 totalSize() const { return m_total; }

    bool isSequential() const override { return true; }
    bool reset() override { return false; }
    bool seek(qint64) override { return false; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    struct Piece
    {
        QByteArray bytes;
        QIODevice* device = nullptr;
        qint64 size = 0;
    };
    QList<Piece> m_pieces;
    qsizetype m_current = 0;
    qint64 m_usedOfCurrent = 0;
    qint64 m_total = 0;
    qint64 m_read = 0;
};

} // namespace kitbench
