#pragma once

#include <QtGlobal>

namespace kitbench {

// What the wizard's server calls and transfers are doing, counted by the transports: how many run and
// how often bytes moved. A watchdog tells a silent server from a slow one by it.
namespace NetworkActivity {

// A call or transfer begins or ends; every begin is matched by one end.
void begin();
void end();
// Bytes went out or came in.
void progressed();

int running();
// Grows with every begin and every progress.
quint64 serial();

} // namespace NetworkActivity

} // namespace kitbench
