#include "platform/EarlyWriteback.h"

#include <QFileDevice>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace kitbench {

namespace {
constexpr qint64 kStep = 8 * 1024 * 1024;
}

void EarlyWriteback::written(QFileDevice& file)
{
#ifdef Q_OS_LINUX
    const qint64 end = file.pos();
    if (end - m_started < kStep || !file.flush())
        return;
    // Only started, never waited for: the transfer goes on while the disk writes.
    if (::sync_file_range(file.handle(), m_started, end - m_started, SYNC_FILE_RANGE_WRITE) == 0)
        m_started = end;
#else
    Q_UNUSED(file);
#endif
}

} // namespace kitbench
