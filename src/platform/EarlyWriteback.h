#pragma once

#include <QtGlobal>

class QFileDevice;

namespace kitbench {

// Starts writing a growing file to disk while it grows. A download replaces its target only once its
// bytes are on disk (the save flushes them); without this, that flush would write the whole file
// after the last byte arrived, half a second per gigabyte. Started every few megabytes, the disk
// writes alongside the network instead. Linux only; elsewhere it does nothing.
class EarlyWriteback
{
public:
    // Call after each write to `file`.
    void written(QFileDevice& file);

private:
    qint64 m_started = 0; // the bytes whose writing has been started
};

} // namespace kitbench
