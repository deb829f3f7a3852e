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

// An answer file of an unattended run: blocks `[page N]` applied each time page N is entered, and
// `[messages]` answering message boxes by the text id of their first text.
struct AnswerFile
{
    QString fileName;
    QMap<int, QList<AnswerLine>> pages;
    QMap<int, MessageAnswer> messages;
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
