#include "platform/Message.h"

#include "shell/TextCatalogue.h"

#include <cstdio>

namespace kitbench {

Message Message::fromId(int id, MessageButtons buttons)
{
    Message message;
    message.textId = id;
    message.text = GetLocalizedText(id);
    message.buttons = buttons;
    message.icon = buttons == MessageButtons::Ok ? MessageIcon::Information : MessageIcon::Question;
    return message;
}

Message Message::fromText(const QString& text, MessageButtons buttons)
{
    Message message;
    message.text = text;
    message.buttons = buttons;
    message.icon = buttons == MessageButtons::Ok ? MessageIcon::Critical : MessageIcon::Question;
    return message;
}

Message& Message::append(const QString& more)
{
    text += more;
    return *this;
}

Message& Message::appendId(int id)
{
    text += GetLocalizedText(id);
    return *this;
}

MessageService& MessageService::instance()
{
    static MessageService service;
    return service;
}

MessageAnswer MessageService::show(const Message& message)
{
    m_history.append(message);
    if (!m_queuedAnswers.isEmpty())
        return m_queuedAnswers.takeFirst();
    if (m_presenter)
        return m_presenter(message);
    // No window yet: the message still reaches the user.
    std::fprintf(stderr, "[%d] %s\n", message.textId, message.text.toLocal8Bit().constData());
    switch (message.buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::AbortRetryIgnore:
        return MessageAnswer::Abort;
    default:
        return MessageAnswer::Cancel;
    }
}

std::optional<QString> MessageService::askText(const Message& prompt, const QString& defaultText)
{
    m_history.append(prompt);
    if (m_textPresenter)
        return m_textPresenter(prompt, defaultText);
    std::fprintf(stderr, "[%d] %s\n", prompt.textId, prompt.text.toLocal8Bit().constData());
    return std::nullopt;
}

std::optional<QString> MessageService::askFile(const Message& title, const FileQuestion& question)
{
    m_history.append(title);
    if (m_filePresenter)
        return m_filePresenter(title, question);
    return std::nullopt;
}

void MessageService::setPresenter(Presenter presenter)
{
    m_presenter = std::move(presenter);
}

void MessageService::pushAnswer(MessageAnswer answer)
{
    m_queuedAnswers.append(answer);
}

void MessageService::clearHistory()
{
    m_history.clear();
    m_queuedAnswers.clear();
}

MessageAnswer showMessage(int textId)
{
    return MessageService::instance().show(Message::fromId(textId));
}

MessageAnswer askYesNo(int textId)
{
    return MessageService::instance().show(Message::fromId(textId, MessageButtons::YesNo));
}

} // namespace kitbench
