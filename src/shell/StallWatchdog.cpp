#include "shell/StallWatchdog.h"

#include "platform/NetworkActivity.h"

#include <algorithm>

namespace kitbench {

StallWatchdog::StallWatchdog(int timeoutMs, std::function<void()> stalled, std::function<void()> over,
                             QObject* parent)
    : QObject(parent), m_timeoutMs(timeoutMs), m_stalled(std::move(stalled)), m_over(std::move(over))
{
    // Checked while calls wait in their own event loops too; a tenth of the timeout keeps it close.
    m_tick.setInterval(std::clamp(timeoutMs / 10, 20, 1000));
    connect(&m_tick, &QTimer::timeout, this, &StallWatchdog::check);
    m_lastSerial = NetworkActivity::serial();
    m_sinceChange.start();
    m_tick.start();
}

void StallWatchdog::check()
{
    const bool running = NetworkActivity::running() > 0;
    const quint64 serial = NetworkActivity::serial();
    switch (m_state) {
    case State::Watching:
        if (!running || serial != m_lastSerial) {
            m_lastSerial = serial;
            m_sinceChange.restart();
        } else if (m_sinceChange.hasExpired(m_timeoutMs)) {
            m_state = State::Stalled;
            m_sinceChange.restart();
            m_stalled();
        }
        return;
    case State::Stalled:
        if (!running || m_sinceChange.hasExpired(m_timeoutMs)) {
            m_state = State::Over;
            m_tick.stop();
            m_over();
        }
        return;
    case State::Over:
        return;
    }
}

} // namespace kitbench
