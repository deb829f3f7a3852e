#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace kitbench {

// RenameReplaceCancel: a file of the same name exists; rename the new one, replace the old one, or not.
enum class MessageButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel,
    AbortRetryIgnore,
    RenameReplaceCancel
};
enum class MessageAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
    Abort,
    Retry,
    Ignore,
    Rename,
    Replace
};
enum class MessageIcon
{
    Information,
    Warning,
    Critical,
    Question
};

// One message box: its text and the id of its first text (0 when it starts with words that are not
// from the language pack, such as a transport error or the server's own text).
struct Message
{
    int textId = 0;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Information;

    // A message that starts with the text of `id`.
    static Message fromId(int id, MessageButtons buttons = MessageButtons::Ok);
    // A message of words that are not from the language pack.
    static Message fromText(const QString& text, MessageButtons buttons = MessageButtons::Ok);

    Message& append(const QString& more);
    Message& appendId(int id);
    bool needsAnswer() const { return buttons != MessageButtons::Ok; }
    // A plain box, or a failure offered for another try (Retry, Abort), rather than a question.
    bool reportsFailure() const
    {
        return !needsAnswer() || buttons == MessageButtons::RetryCancel ||
               buttons == MessageButtons::AbortRetryIgnore;
    }
};

// A file dialog: open an existing file, or save under a name (the proposal first).
struct FileQuestion
{
    bool save = false;
    QString proposal; // a file name or path
    QString filter;   // "XML Files (*.xml)"; empty for all files
    // Open several files at once: the answer holds one path per line.
    bool several = false;
};

// The one way the program shows a message box (title text 10). The window installs a presenter
// that shows a real box; unattended runs install one that answers from the answer file; tests queue
// answers with pushAnswer.
class MessageService
{
public:
    using Presenter = std::function<MessageAnswer(const Message&)>;
    // Asks for a line of text (an input box); nothing when the user cancels.
    using TextPresenter =
        std::function<std::optional<QString>(const Message& prompt, const QString& defaultText)>;

    static MessageService& instance();

    MessageAnswer show(const Message& message);

    void setPresenter(Presenter presenter);

    // An input box with the prompt's text. Without a text presenter the answer is "cancelled".
    std::optional<QString> askText(const Message& prompt, const QString& defaultText);
    void setTextPresenter(TextPresenter presenter) { m_textPresenter = std::move(presenter); }

    // A file dialog titled with the message's text; nothing when cancelled (or without a presenter).
    using FilePresenter =
        std::function<std::optional<QString>(const Message& title, const FileQuestion& question)>;
    std::optional<QString> askFile(const Message& title, const FileQuestion& question);
    void setFilePresenter(FilePresenter presenter) { m_filePresenter = std::move(presenter); }
    // Test seam: the next show() returns this answer without presenting anything.
    void pushAnswer(MessageAnswer answer);
    // Every message shown since the last clear, queued answers included.
    const QList<Message>& history() const { return m_history; }
    void clearHistory();

private:
    Presenter m_presenter;
    TextPresenter m_textPresenter;
    FilePresenter m_filePresenter;
    QList<MessageAnswer> m_queuedAnswers;
    QList<Message> m_history;
};

// Shorthands: a message of one text id with an OK button, and a question with Yes and No.
MessageAnswer showMessage(int textId);
MessageAnswer askYesNo(int textId);

} // namespace kitbench
