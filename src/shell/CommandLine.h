#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace kitbench {

// What the command line asks of the wizard, collected before any page is shown.
struct CommandLineRequest
{
    int runMode = 0;
    bool startedWithRunMode = false;
    QString importFilePath;
    bool hasResourceIds = false; // ORVRESOURCES received its value
    QString resourceIdsText;
    QString login;
    bool hasLogin = false;
    QString password;
    bool hasPassword = false;
    bool useSsl = false;
    bool openFile = false;
    QString answerFile;  // UNATTENDED
    QString screenshotDir; // SCREENSHOTS
    // Values no request was waiting for, in order: paths of files or folders to publish.
    QStringList publishValues;
};

// Splits the command-line text into tokens: spaces separate, double quotes group (and are dropped);
// a closing quote ends a token even when it is empty, so "" is an empty value.
QStringList tokenizeCommandLine(const QString& text);

// Joins the arguments the shell already split back into one command-line text: an argument that is
// empty or holds a space is quoted, so the tokenizer gives back the same tokens.
QString joinArguments(const QStringList& arguments);

// Reads the tokens: options after "-" or "/" (any case; a token with a second "/" is a path), values served to the pending requests in the
// order import file, user ids, login, password, answer file, screenshot folder; other values are
// paths to publish.
CommandLineRequest parseCommandLine(const QString& text);

// The user ids of an ORVRESOURCES value ("12,x,7" gives 12 and 7); {0} when none is numeric.
QList<qint32> ParseResourceIds(const QString& text);

} // namespace kitbench
