#pragma once

#include "platform/Message.h"

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

namespace kitbench {

// One line of a page block: `Name = value` sets a control, a name alone clicks a button.
struct AnswerLine
{
    int lineNumber = 0;
    QString name;
    std::optional<QString> value;
};

// An answer file of an unattended run: blocks `[page N]` applied each time page N is entered,
// `[messages]` answering message boxes by the text id of their first text, blocks `[dialog NAME]`
// answering the wizard's dialogs, and `[options]` for the run itself (`Timeout = seconds`).
struct AnswerFile
{
    static constexpr int kDefaultTimeoutSeconds = 120;

    QString fileName;
    QMap<int, QList<AnswerLine>> pages;
    QMap<int, MessageAnswer> messages;
    // A server call or transfer with no bytes moving for this long is cancelled and the run ends.
    int timeoutSeconds = kDefaultTimeoutSeconds;
    // `[dialog NAME]` blocks, by the dialog's name, applied each time that dialog opens.
    QMap<QString, QList<AnswerLine>> dialogs;
};

struct AnswerFileError
{
    int lineNumber = 0; // 0: the file itself
    QString what;
};

// An answer file is a page of lines; anything larger (or a device that never ends) is refused unread.
constexpr qint64 kMaxAnswerFileBytes = 1024 * 1024;

// Reads an answer file (UTF-8). Blank lines and lines starting with "#" or ";" are skipped.
std::optional<AnswerFile> parseAnswerFile(const QString& fileName, const QString& text,
                                          AnswerFileError* error);

// Yes, No, OK, Cancel, Abort, Retry, Ignore, in any letter case.
std::optional<MessageAnswer> parseMessageAnswer(const QString& word);

// Whether an answer is one of a message box's buttons.
bool answerFits(MessageAnswer answer, MessageButtons buttons);

} // namespace kitbench
