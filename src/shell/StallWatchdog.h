#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace kitbench {

// Watches the server calls and transfers of a run without a person (NetworkActivity): when work runs
// with no bytes moving for the timeout, `stalled` is called once, so the work can be cancelled. When the
// work has ended after that, or is still stuck after another timeout, `over` is called once.
class StallWatchdog : public QObject
{
public:
    StallWatchdog(int timeoutMs, std::function<void()> stalled, std::function<void()> over,
                  QObject* parent = nullptr);

private:
    void check();

    enum class State
    {
        Watching,
        Stalled,
        Over
    };
    int m_timeoutMs;
    std::function<void()> m_stalled;
    std::function<void()> m_over;
    QTimer m_tick;
    QElapsedTimer m_sinceChange;
    quint64 m_lastSerial = 0;
    State m_state = State::Watching;
};

} // namespace kitbench
