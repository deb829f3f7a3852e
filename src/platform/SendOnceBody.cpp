#include "platform/SendOnceBody.h"

#include <algorithm>

namespace kitbench {

SendOnceBody::SendOnceBody(QByteArray bytes, QObject* parent) : QIODevice(parent), m_bytes(std::move(bytes))
{
}

qint64 SendOnceBody::bytesAvailable() const
{
    return m_bytes.size() - m_read + QIODevice::bytesAvailable();
}

qint64 SendOnceBody::readData(char* data, qint64 maxSize)
{
    const qint64 count = std::min(maxSize, m_bytes.size() - m_read);
    std::copy_n(m_bytes.constData() + m_read, count, data);
    m_read += count;
    return count;
}

} // namespace kitbench
