#include "shell/AnswerFile.h"

#include <QRegularExpression>

namespace kitbench {

std::optional<MessageAnswer> parseMessageAnswer(const QString& word)
{
    static const QMap<QString, MessageAnswer> answers{
        {QStringLiteral("yes"), MessageAnswer::Yes},
        {QStringLiteral("no"), MessageAnswer::No},
        {QStringLiteral("ok"), MessageAnswer::Ok},
        {QStringLiteral("cancel"), MessageAnswer::Cancel},
        {QStringLiteral("abort"), MessageAnswer::Abort},
        {QStringLiteral("retry"), MessageAnswer::Retry},
        {QStringLiteral("ignore"), MessageAnswer::Ignore},
        {QStringLiteral("rename"), MessageAnswer::Rename},
        {QStringLiteral("replace"), MessageAnswer::Replace},
    };
    const auto found = answers.constFind(word.trimmed().toLower());
    if (found == answers.constEnd())
        return std::nullopt;
    return *found;
}

bool answerFits(MessageAnswer answer, MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return answer == MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        return answer == MessageAnswer::Yes || answer == MessageAnswer::No || answer == MessageAnswer::Cancel;
    case MessageButtons::RetryCancel:
        return answer == MessageAnswer::Retry || answer == MessageAnswer::Cancel;
    case MessageButtons::AbortRetryIgnore:
        return answer == MessageAnswer::Abort || answer == MessageAnswer::Retry ||
               answer == MessageAnswer::Ignore;
    case MessageButtons::RenameReplaceCancel:
        return answer == MessageAnswer::Rename || answer == MessageAnswer::Replace ||
               answer == MessageAnswer::Cancel;
    }
    return false;
}

std::optional<AnswerFile> parseAnswerFile(const QString& fileName, const QString& text,
                                          AnswerFileError* error)
{
    static const QRegularExpression pageHeader(QStringLiteral("^\\[\\s*page\\s+(\\d+)\\s*\\]$"),
                                               QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dialogHeader(QStringLiteral("^\\[\\s*dialog\\s+(\\w+)\\s*\\]$"),
                                                 QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression messagesHeader(QStringLiteral("^\\[\\s*messages\\s*\\]$"),
                                                   QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression optionsHeader(QStringLiteral("^\\[\\s*options\\s*\\]$"),
                                                  QRegularExpression::CaseInsensitiveOption);
    const auto fail = [error](int line, const QString& what) {
        if (error)
            *error = {line, what};
        return std::nullopt;
    };

    AnswerFile file;
    file.fileName = fileName;
    enum class Block
    {
        None,
        Page,
        Messages,
        Options,
        Dialog
    } block = Block::None;
    int page = -1;
    QString dialog;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int index = 0; index < lines.size(); ++index) {
        const int lineNumber = index + 1;
        const QString line = lines[index].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
            continue;
        if (const QRegularExpressionMatch match = pageHeader.match(line); match.hasMatch()) {
            bool inRange = false;
            page = match.captured(1).toInt(&inRange); // a number past int would otherwise read as 0
            if (!inRange || page < 0 || page > 21)
                return fail(lineNumber, QStringLiteral("there is no page %1").arg(match.captured(1)));
            block = Block::Page;
            file.pages[page]; // a block may be empty: the page just gets Next
            continue;
        }
        if (const QRegularExpressionMatch match = dialogHeader.match(line); match.hasMatch()) {
            dialog = match.captured(1);
            block = Block::Dialog;
            file.dialogs[dialog];
            continue;
        }
        if (messagesHeader.match(line).hasMatch()) {
            block = Block::Messages;
            continue;
        }
        if (optionsHeader.match(line).hasMatch()) {
            block = Block::Options;
            continue;
        }
        if (line.startsWith(QLatin1Char('[')))
            return fail(lineNumber, QStringLiteral("unknown block %1").arg(line));

        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString name = (equals < 0 ? line : line.left(equals)).trimmed();
        if (name.isEmpty())
            return fail(lineNumber, QStringLiteral("a line needs a name before \"=\""));
        if (block == Block::None)
            return fail(lineNumber,
                        QStringLiteral("\"%1\" stands before any [page N], [dialog NAME] or [messages] block")
                            .arg(name));
        if (block == Block::Options) {
            bool numeric = false;
            const int seconds = equals < 0 ? 0 : line.mid(equals + 1).trimmed().toInt(&numeric);
            if (name.compare(QLatin1String("Timeout"), Qt::CaseInsensitive) != 0)
                return fail(lineNumber, QStringLiteral("unknown option \"%1\"").arg(name));
            if (!numeric || seconds < 1 || seconds > 86400)
                return fail(lineNumber, QStringLiteral("Timeout needs a number of seconds from 1 to 86400"));
            file.timeoutSeconds = seconds;
            continue;
        }
        if (block == Block::Messages) {
            bool numeric = false;
            const int id = name.toInt(&numeric);
            if (!numeric)
                return fail(lineNumber,
                            QStringLiteral("a message is named by its text id, not \"%1\"").arg(name));
            const auto answer = parseMessageAnswer(equals < 0 ? QString() : line.mid(equals + 1));
            if (!answer)
                return fail(
                    lineNumber,
                    QStringLiteral(
                        "message %1 needs Yes, No, OK, Cancel, Abort, Retry, Ignore, Rename or Replace")
                        .arg(id));
            file.messages[id] = *answer;
            continue;
        }
        AnswerLine answerLine{lineNumber, name, std::nullopt};
        if (equals >= 0) {
            // Values keep their inner spaces; a value in double quotes keeps its outer ones too;
            // "\n" stands for a line break.
            QString value = lines[index].mid(lines[index].indexOf(QLatin1Char('=')) + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            answerLine.value = value.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        }
        if (block == Block::Dialog)
            file.dialogs[dialog].append(answerLine);
        else
            file.pages[page].append(answerLine);
    }
    return file;
}

} // namespace kitbench
