#include "platform/NetworkActivity.h"

namespace kitbench::NetworkActivity {

namespace {
// Everything runs on the user-interface thread.
int s_running = 0;
quint64 s_serial = 0;
} // namespace

void begin()
{
    ++s_running;
    ++s_serial;
}

void end()
{
    if (s_running > 0)
        --s_running;
}

void progressed()
{
    ++s_serial;
}

int running()
{
    return s_running;
}

quint64 serial()
{
    return s_serial;
}

} // namespace kitbench::NetworkActivity
