// kitbench: the Orvello Kitbench wizard.
#include "platform/Message.h"
#include "app/ServerJobs.h"
#include "shell/AnswerFile.h"
#include "shell/CommandLine.h"
#include "shell/ProgramInfo.h"
#include "shell/UnattendedRun.h"
#include "shell/frmWizard.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <cstdio>
#include <memory>

using namespace kitbench;

namespace {

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

std::optional<AnswerFile> readAnswerFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageService::instance().show(Message::fromId(9100).append(path));
        return std::nullopt;
    }
    // One byte past the limit tells a file that is too large; /dev/zero is not read to the end.
    const QByteArray text = file.read(kMaxAnswerFileBytes + 1);
    AnswerFileError error;
    std::optional<AnswerFile> answers;
    if (text.size() > kMaxAnswerFileBytes)
        error = {static_cast<int>(text.left(kMaxAnswerFileBytes).count('\n')) + 1,
                 QStringLiteral("the answer file is larger than %1 bytes").arg(kMaxAnswerFileBytes)};
    else
        answers = parseAnswerFile(path, QString::fromUtf8(text), &error);
    if (!answers)
        MessageService::instance().show(Message::fromId(9103).append(
            QStringLiteral("%1:%2: %3").arg(path).arg(error.lineNumber).arg(error.what)));
    return answers;
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList arguments = argumentsOf(argc, argv);
    switch (startRequest(arguments)) {
    case StartRequest::Usage:
        print(stdout, usageText());
        return 0;
    case StartRequest::Version:
        print(stdout, versionText());
        return 0;
    case StartRequest::Wizard:
        break;
    }
    // The shell has split the command line already; the wizard reads it as one text.
    const CommandLineRequest request = parseCommandLine(joinArguments(arguments));
    const bool unattended = !request.answerFile.isEmpty();
    if (!hasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        // Qt would abort without a platform to show the window on.
        if (!unattended) {
            print(stderr, noDisplayText());
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Harlowe"));
    QApplication::setApplicationName(QStringLiteral("Orvello Kitbench"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/bitmap_5000.svg")));
    // The window belongs to the installed desktop entry (its icon and name in docks and task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvello.Kitbench"));

    // Read before the window exists: a broken answer file is reported on standard error, not in a box.
    std::optional<AnswerFile> answers;
    if (unattended) {
        answers = readAnswerFile(request.answerFile);
        if (!answers)
            return 1;
    }
    frmWizard wizard;
    wizard.setJobHooks(std::make_unique<ServerJobs>(wizard));
    std::unique_ptr<UnattendedRun> run;
    if (answers)
        run = std::make_unique<UnattendedRun>(wizard, std::move(*answers), request.screenshotDir);
    wizard.Form_Load(request);
    wizard.show();
    const int status = QApplication::exec();
    if (!run)
        return status;
    if (!run->finished())
        MessageService::instance().show(Message::fromId(9105));
    return run->exitCode();
}
