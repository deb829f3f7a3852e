#pragma once

#include "shell/AnswerFile.h"
#include "shell/UnattendedDialogs.h"

#include <QObject>

namespace kitbench {

class frmWizard;

// Drives the wizard without a person: applies the answer file's block each time its page is entered,
// presses Next (Finish on the final page), answers message boxes from [messages] and dialogs from
// [dialog NAME] blocks (UnattendedDialogs), writes every message
// to standard error and the final report to standard output, and saves screenshots.
//
// Exit codes: 0 Finish pressed; 1 the answer file names a control or value that does not exist;
// 2 an error message left the wizard on its page; 3 a question the file does not answer;
// 4 Next did not leave a page and no message explains why (or the wizard was closed before Finish).
// A server call or transfer without an answer for the answer file's timeout is cancelled as Cancel and
// Yes would cancel it, and the run ends with 2 (3 when a question about the failure is not answered).
class UnattendedRun : public QObject
{
    Q_OBJECT
public:
    UnattendedRun(frmWizard& wizard, AnswerFile answers, QString screenshotDir);
    ~UnattendedRun() override;

    int exitCode() const { return m_exitCode; }
    bool finished() const { return m_finished; }

private:
    void onPageEntered(int step);
    void applyPage(int step);
    void pressNext(int step);
    void checkLeftPage(int step, int entriesBefore);
    MessageAnswer answerMessage(const Message& message);
    void saveScreenshot(int step);
    void finish(int code);
    // Reports a fault of the answer file or of the run through the message service and ends the run.
    void fail(int code, int textId, const QString& detail);
    void cancelStalledWork();

    frmWizard& m_wizard;
    AnswerFile m_answers;
    UnattendedDialogs m_dialogs;
    QString m_screenshotDir;
    int m_screenshotCount = 0;
    int m_pageEntries = 0;
    bool m_errorShown = false;
    bool m_finished = false;
    bool m_stalled = false; // work was cancelled for want of an answer: the run cannot succeed
    int m_exitCode = 4;
};

} // namespace kitbench
