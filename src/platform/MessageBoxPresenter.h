#pragma once

#include "platform/Message.h"

class QWidget;

namespace kitbench {

// Shows a message as a real message box over `parent`, titled with text 10.
MessageAnswer presentMessageBox(const Message& message, QWidget* parent);

} // namespace kitbench
