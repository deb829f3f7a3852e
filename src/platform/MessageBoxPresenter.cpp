#include "platform/MessageBoxPresenter.h"

#include "shell/TextCatalogue.h"

#include <QMessageBox>

namespace kitbench {

namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Abort: return MessageAnswer::Abort;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    case QMessageBox::Ignore: return MessageAnswer::Ignore;
    default: return MessageAnswer::Cancel;
    }
}

} // namespace

MessageAnswer presentMessageBox(const Message& message, QWidget* parent)
{
    QMessageBox box(boxIcon(message.icon), GetLocalizedText(10), message.text, standardButtons(message.buttons),
                    parent);
    box.setObjectName(QStringLiteral("messageBox_%1").arg(message.textId));
    const int button = box.exec();
    // Closing a box with only OK (Esc, the window's close button) still means OK.
    if (message.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answerOf(button);
}

} // namespace kitbench
