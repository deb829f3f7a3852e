#include "shell/FinalReport.h"

#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"
#include "shell/WizardState.h"

namespace kitbench {

namespace {

int resultTextId(int runMode)
{
    switch (runMode) {
    case CREATEINCIDENT:
        return 5027;
    case CREATETASK:
        return 5028;
    case CREATEEVENT:
        return 5029;
    case CREATETODO:
        return 5030;
    case UPLOAD:
        return 5039;
    case DOWNLOAD:
        return 5040;
    case CREATEPROJECT:
        return 5046;
    case EXPORTCALENDAR:
        return 5064;
    case IMPORTLIST:
        return 5068;
    default:
        return 0; // a new list reports no sentence of its own
    }
}

QString msProjectReport(const JobOutcome& outcome)
{
    if (outcome.runMode == IMPORTPROJECT) {
        if (!outcome.failed)
            return GetLocalizedText(5050);
        return GetLocalizedText(5053) + outcome.errorText + GetLocalizedText(5056);
    }
    if (!outcome.failed)
        return GetLocalizedText(5051) + QStringLiteral(" ''") + outcome.projectName + QStringLiteral("'' ") +
               GetLocalizedText(5052);
    return GetLocalizedText(5054) + outcome.errorText + GetLocalizedText(5056);
}

} // namespace

JobOutcome outcomeOf(const WizardState& state)
{
    JobOutcome outcome;
    outcome.runMode = state.RunMode;
    outcome.filesPublished = state.FilesPublished;
    outcome.filesToPublish = state.FilesToPublish;
    outcome.publishingLog = state.PublishingLog;
    outcome.failed = state.LastStepFailed;
    outcome.errorText = state.LastErrorText;
    outcome.projectName = state.ExportedProjectName;
    return outcome;
}

QString finalReportText(const JobOutcome& outcome)
{
    if (outcome.runMode == IMPORTPROJECT || outcome.runMode == EXPORTPROJECT)
        return msProjectReport(outcome);

    QString text = GetLocalizedText(3001);
    if (const int result = resultTextId(outcome.runMode))
        text += GetLocalizedText(result);
    text += QLatin1Char('\n');
    if (outcome.runMode == DOWNLOAD) {
        text += GetLocalizedText(5032) + QLatin1Char('1') + GetLocalizedText(5033) + QLatin1Char('1') +
                GetLocalizedText(5041) + QLatin1Char('\n');
    } else if (outcome.filesToPublish > 0) {
        text += GetLocalizedText(5032) + QString::number(outcome.filesPublished) + GetLocalizedText(5033) +
                QString::number(outcome.filesToPublish) + GetLocalizedText(5034) + QLatin1Char('\n');
    }
    text += outcome.publishingLog;
    return text;
}

} // namespace kitbench
