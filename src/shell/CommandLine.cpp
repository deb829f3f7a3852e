#include "shell/CommandLine.h"

#include "shell/RunMode.h"

#include <array>

namespace kitbench {

namespace {

// Requests that wait for the next value; served in this order whatever the order of the options.
enum PendingRequest { ImportFile, ResourceIds, Login, Password, AnswerFile, ScreenshotDir, PendingCount };

// Options start with "-" or "/". Here absolute paths start with "/" too: a token with a second "/"
// is a path, since no option keyword contains one.
bool isOption(const QString& token)
{
    if (token.startsWith(QLatin1Char('-')))
        return true;
    return token.startsWith(QLatin1Char('/')) && token.indexOf(QLatin1Char('/'), 1) < 0;
}

class Dispatcher
{
public:
    void handle(const QString& token)
    {
        if (isOption(token))
            handleOption(token.mid(1).toUpper());
        else
            handleValue(token);
    }

    CommandLineRequest request;

private:
    void handleOption(const QString& option)
    {
        for (int mode = 1; mode <= kRunModeCount; ++mode) {
            if (option == QLatin1String(runModeInfo(mode).keyword)) {
                request.runMode = mode;
                request.startedWithRunMode = true;
                if (mode == IMPORTPROJECT || mode == IMPORTLIST)
                    m_pending[ImportFile] = true;
                return;
            }
        }
        if (option == QLatin1String("ORVRESOURCES"))
            m_pending[ResourceIds] = true;
        else if (option == QLatin1String("OPENFILE"))
            request.openFile = true;
        else if (option == QLatin1String("L"))
            m_pending[Login] = true;
        else if (option == QLatin1String("P"))
            m_pending[Password] = true;
        else if (option == QLatin1String("USESSL"))
            request.useSsl = true;
        else if (option == QLatin1String("UNATTENDED"))
            m_pending[AnswerFile] = true;
        else if (option == QLatin1String("SCREENSHOTS"))
            m_pending[ScreenshotDir] = true;
        // Anything else is ignored.
    }

    void handleValue(const QString& value)
    {
        for (int which = 0; which < PendingCount; ++which) {
            if (!m_pending[static_cast<std::size_t>(which)])
                continue;
            m_pending[static_cast<std::size_t>(which)] = false;
            serve(static_cast<PendingRequest>(which), value);
            return;
        }
        // An empty value fills a request but names nothing to publish.
        if (!value.isEmpty())
            request.publishValues.append(value);
    }

    void serve(PendingRequest which, const QString& value)
    {
        switch (which) {
        case ImportFile:
            request.importFilePath = value;
            break;
        case ResourceIds:
            request.resourceIdsText = value;
            request.hasResourceIds = true;
            break;
        case Login:
            request.login = value;
            request.hasLogin = true;
            break;
        case Password:
            request.password = value;
            request.hasPassword = true;
            break;
        case AnswerFile:
            request.answerFile = value;
            break;
        case ScreenshotDir:
            request.screenshotDir = value;
            break;
        case PendingCount:
            break;
        }
    }

    std::array<bool, PendingCount> m_pending{};
};

} // namespace

QStringList tokenizeCommandLine(const QString& text)
{
    QStringList tokens;
    QString buffer;
    bool inQuotes = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) {
            if (inQuotes) {
                // The closing quote completes the token, even an empty one.
                tokens.append(buffer);
                buffer.clear();
            }
            inQuotes = !inQuotes;
        } else if (c == QLatin1Char(' ') && !inQuotes) {
            if (!buffer.isEmpty()) {
                tokens.append(buffer);
                buffer.clear();
            }
        } else {
            buffer.append(c);
        }
    }
    if (!buffer.isEmpty())
        tokens.append(buffer);
    return tokens;
}

QString joinArguments(const QStringList& arguments)
{
    QStringList quoted;
    quoted.reserve(arguments.size());
    for (const QString& argument : arguments) {
        if (argument.isEmpty() || argument.contains(QLatin1Char(' ')))
            quoted.append(QLatin1Char('"') + argument + QLatin1Char('"'));
        else
            quoted.append(argument);
    }
    return quoted.join(QLatin1Char(' '));
}

CommandLineRequest parseCommandLine(const QString& text)
{
    Dispatcher dispatcher;
    const QStringList tokens = tokenizeCommandLine(text);
    for (const QString& token : tokens)
        dispatcher.handle(token);
    return dispatcher.request;
}

QList<qint32> ParseResourceIds(const QString& text)
{
    QList<qint32> ids;
    QString rest = text;
    while (!rest.isEmpty()) {
        QString item;
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        if (comma >= 0) {
            item = rest.left(comma);
            rest = rest.mid(comma + 1);
        } else {
            item = rest;
            rest.clear();
        }
        bool numeric = false;
        const qint32 id = item.trimmed().toInt(&numeric);
        if (numeric)
            ids.append(id);
    }
    if (ids.isEmpty())
        ids.append(0);
    return ids;
}

} // namespace kitbench
