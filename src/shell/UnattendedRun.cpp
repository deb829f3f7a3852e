#include "shell/UnattendedRun.h"

#include "platform/DialogService.h"
#include "shell/ControlDriver.h"
#include "shell/FinalPage.h"
#include "shell/PageGraph.h"
#include "shell/StallWatchdog.h"
#include "shell/frmWizard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace kitbench {

namespace {

// A run that keeps entering pages without end (say, a Continue loop) is stopped.
constexpr int kMaxPageEntries = 200;
// "The server did not answer within the time allowed, so the run cancelled the call. Seconds allowed: "
constexpr int kNoAnswerText = 9160;

void printLine(FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

} // namespace

UnattendedRun::UnattendedRun(frmWizard& wizard, AnswerFile answers, QString screenshotDir)
    : m_wizard(wizard), m_answers(std::move(answers)),
      m_dialogs(m_answers,
                [this](int code, int textId, const QString& detail) {
                    if (!m_finished) // the first failure ends the run; later ones follow from it
                        fail(code, textId, detail);
                }),
      m_screenshotDir(std::move(screenshotDir))
{
    if (!m_screenshotDir.isEmpty())
        QDir().mkpath(m_screenshotDir);
    MessageService::instance().setPresenter(
        [this](const Message& message) { return answerMessage(message); });
    // The only input box asks for the new name of a file taken on the server (DlgRenameFile).
    MessageService::instance().setTextPresenter([this](const Message& prompt, const QString&) {
        printLine(stderr, QStringLiteral("[%1] %2").arg(prompt.textId).arg(prompt.text));
        return m_dialogs.renamedName();
    });
    MessageService::instance().setFilePresenter([this](const Message& title, const FileQuestion& question) {
        const std::optional<QString> chosen = m_dialogs.fileName(question);
        printLine(
            stderr,
            QStringLiteral("[%1] %2: %3").arg(title.textId).arg(title.text, chosen.value_or(QString())));
        return chosen;
    });
    new StallWatchdog(
        m_answers.timeoutSeconds * 1000, [this] { cancelStalledWork(); },
        [this] {
            if (!m_finished)
                finish(2);
        },
        this);
    DialogService::instance().setPresenter([this](QDialog& dialog) { return m_dialogs.exec(dialog); });
    connect(&m_wizard, &frmWizard::pageEntered, this, &UnattendedRun::onPageEntered);
    connect(&m_wizard, &frmWizard::finishPressed, this, [this] {
        // Finish ends the run whatever the option; Continue's new start is still shown.
        QTimer::singleShot(0, this, [this] { finish(0); });
    });
}

UnattendedRun::~UnattendedRun()
{
    MessageService::instance().setPresenter({});
    MessageService::instance().setTextPresenter({});
    MessageService::instance().setFilePresenter({});
    DialogService::instance().setPresenter({});
}

MessageAnswer UnattendedRun::answerMessage(const Message& message)
{
    printLine(stderr, QStringLiteral("[%1] %2").arg(message.textId).arg(message.text));
    if (message.buttons == MessageButtons::RenameReplaceCancel)
        if (const std::optional<MessageAnswer> choice = m_dialogs.renameChoice())
            return *choice;
    const auto answer = m_answers.messages.constFind(message.textId);
    if (answer != m_answers.messages.constEnd() && answerFits(*answer, message.buttons)) {
        if (message.reportsFailure())
            m_errorShown = true;
        return *answer;
    }
    if (!message.needsAnswer()) {
        m_errorShown = true;
        return MessageAnswer::Ok;
    }
    // A question nobody answers: take the cautious way out and end the run.
    if (!m_finished)
        QTimer::singleShot(0, this, [this] { finish(3); });
    m_finished = true;
    return message.buttons == MessageButtons::YesNo || message.buttons == MessageButtons::YesNoCancel
               ? MessageAnswer::No
               : MessageAnswer::Cancel;
}

void UnattendedRun::cancelStalledWork()
{
    if (m_finished)
        return;
    // Nobody is there to wait or to press Cancel: the run does it, and says why.
    m_stalled = true;
    MessageService::instance().show(
        Message::fromId(kNoAnswerText).append(QString::number(m_answers.timeoutSeconds)));
    m_wizard.cancelRunningWork();
}

void UnattendedRun::onPageEntered(int step)
{
    if (m_finished)
        return;
    if (++m_pageEntries > kMaxPageEntries) {
        fail(4, 9104, QStringLiteral("the run entered %1 pages without finishing").arg(kMaxPageEntries));
        return;
    }
    if (step == kFinalPage) {
        const auto* final = static_cast<FinalPage*>(m_wizard.page(kFinalPage));
        printLine(stdout, final->lblStep_5->text());
    }
    // Let ShowStep (and whatever called it) finish before the page is filled in.
    QTimer::singleShot(0, this, [this, step] { applyPage(step); });
}

void UnattendedRun::applyPage(int step)
{
    if (m_finished || m_wizard.state().CurrentStep != step)
        return;
    WizardPage* page = m_wizard.page(step);
    const QList<AnswerLine> lines = m_answers.pages.value(step);
    for (const AnswerLine& line : lines) {
        auto* control = page->findChild<QWidget*>(line.name);
        if (!control)
            control = m_wizard.findChild<QWidget*>(line.name);
        if (!control) {
            fail(1, 9101,
                 QStringLiteral("%1:%2: no control named \"%3\" on page %4")
                     .arg(m_answers.fileName)
                     .arg(line.lineNumber)
                     .arg(line.name)
                     .arg(step));
            return;
        }
        const QString problem =
            line.value ? ControlDriver::setValue(control, *line.value) : ControlDriver::click(control);
        if (!problem.isEmpty()) {
            fail(1, 9102,
                 QStringLiteral("%1:%2: %3").arg(m_answers.fileName).arg(line.lineNumber).arg(problem));
            return;
        }
        if (m_finished || !m_wizard.isVisible())
            return; // the run ended, or the wizard was closed (Cancel)
        if (m_wizard.state().CurrentStep != step)
            return; // a clicked button left the page; the new page brings its own block
    }
    saveScreenshot(step);
    if (step == kFinalPage) {
        if (const QString problem = ControlDriver::click(m_wizard.cmdNav[4]); !problem.isEmpty())
            fail(4, 9104, problem);
        return;
    }
    pressNext(step);
}

void UnattendedRun::pressNext(int step)
{
    QPushButton* next = m_wizard.cmdNav[3];
    if (!next->isEnabled()) {
        fail(4, 9104, QStringLiteral("page %1: Next is disabled").arg(step));
        return;
    }
    m_errorShown = false;
    const int entriesBefore = m_pageEntries;
    next->click();
    checkLeftPage(step, entriesBefore);
}

void UnattendedRun::checkLeftPage(int step, int entriesBefore)
{
    if (m_finished || m_pageEntries != entriesBefore)
        return;
    if (m_wizard.state().IsBusy) {
        // A transfer runs on; look again when the page is unlocked.
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = connect(
            &m_wizard, &frmWizard::busyChanged, this, [this, step, entriesBefore, connection](bool busy) {
                if (busy)
                    return;
                disconnect(*connection);
                QTimer::singleShot(0, this,
                                   [this, step, entriesBefore] { checkLeftPage(step, entriesBefore); });
            });
        return;
    }
    if (m_errorShown)
        finish(2);
    else
        fail(4, 9104, QStringLiteral("page %1").arg(step));
}

void UnattendedRun::saveScreenshot(int step)
{
    if (m_screenshotDir.isEmpty())
        return;
    ++m_screenshotCount;
    const QString name =
        QStringLiteral("%1-page%2.png").arg(m_screenshotCount, 2, 10, QLatin1Char('0')).arg(step);
    m_wizard.grab().save(QDir(m_screenshotDir).filePath(name));
}

void UnattendedRun::fail(int code, int textId, const QString& detail)
{
    finish(code);
    MessageService::instance().show(Message::fromId(textId).append(detail));
}

void UnattendedRun::finish(int code)
{
    if (m_stalled && code == 0)
        code = 2; // the job was cut short, whatever page it reached
    m_finished = true;
    m_exitCode = code;
    QCoreApplication::exit(code);
}

} // namespace kitbench
