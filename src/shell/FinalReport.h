#pragma once

#include <QString>

namespace kitbench {

// What the final page reports about the job just done.
struct JobOutcome
{
    int runMode = 0;
    int filesPublished = 0;
    int filesToPublish = 0;
    QString publishingLog;
    // The MS Project import and export report the last server step.
    bool failed = false;
    QString errorText;
    QString projectName; // the project opened in MS Project
};

struct WizardState;

// The outcome as the wizard's state holds it when the final page is entered.
JobOutcome outcomeOf(const WizardState& state);

// The text of lblStep(5) on the final page.
QString finalReportText(const JobOutcome& outcome);

} // namespace kitbench
