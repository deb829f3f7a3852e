#include "platform/SendOnceBody.h"

#include <algorithm>

namespace kitbench {

SendOnceBody::SendOnceBody(QObject* parent) : QIODevice(parent) {}

void SendOnceBody::append(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    m_pieces.append({bytes, nullptr, bytes.size()});
    m_total += bytes.size();
}

void SendOnceBody::append(QIODevice* device, qint64 size)
{
    device->setParent(this);
    m_pieces.append({QByteArray(), device, size});
    m_total += size;
}

qint64 SendOnceBody::bytesAvailable() const
{
    return m_total - m_read + QIODevice::bytesAvailable();
}

qint64 SendOnceBody::readData(char* data, qint64 maxSize)
{
    qint64 done = 0;
    while (done < maxSize && m_current < m_pieces.size()) {
        const Piece& piece = m_pieces[m_current];
        if (m_usedOfCurrent == piece.size) { // an empty file
            ++m_current;
            m_usedOfCurrent = 0;
            continue;
        }
        const qint64 wanted = std::min(maxSize - done, piece.size - m_usedOfCurrent);
        qint64 got = 0;
        if (piece.device) {
            got = piece.device->read(data + done, wanted);
            // A file that shrank or failed while it was sent cannot fill the length announced.
            if (got < 0 || (got == 0 && piece.device->atEnd())) {
                setErrorString(piece.device->errorString());
                return done > 0 ? done : -1;
            }
        } else {
            std::copy_n(piece.bytes.constData() + m_usedOfCurrent, wanted, data + done);
            got = wanted;
        }
        done += got;
        m_read += got;
        m_usedOfCurrent += got;
        if (m_usedOfCurrent == piece.size) {
            ++m_current;
            m_usedOfCurrent = 0;
        }
        if (got == 0)
            break; // the device has nothing more right now
    }
    return done;
}

} // namespace kitbench
