#pragma once

#include "platform/Message.h"

class QWidget;

namespace kitbench {

// Shows a message as a real message box over `parent`, titled with text 10.
MessageAnswer presentMessageBox(const Message& message, QWidget* parent);
// An input box with the prompt's text; nothing when cancelled.
std::optional<QString> presentTextPrompt(const Message& prompt, const QString& defaultText, QWidget* parent);
// The desktop's file dialog, titled with the message's text; nothing when cancelled.
// Where a save dialog starts: a bare file name is proposed in the user's Downloads folder, as browsers
// do; a path stays as it is.
QString savePathProposal(const QString& proposal);

std::optional<QString> presentFileDialog(const Message& title, const FileQuestion& question, QWidget* parent);

} // namespace kitbench
