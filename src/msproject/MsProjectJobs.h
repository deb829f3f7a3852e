#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace kitbench {

class AssignmentList;
struct SoapCallResult;
class frmWizard;

// The server work of the MS Project jobs: the import target of the select option page, the two
// import steps around the resource assignments page, and the export of a project into Microsoft
// Project. Each step shows its own message and returns false when it fails; the wizard stays.
class MsProjectJobs
{
public:
    // `prepareProjectPages` loads what the create project pages need (dictionaries, categories) for an
    // import into a new project; false when it failed (its message has been shown).
    MsProjectJobs(frmWizard& wizard, std::function<bool()> prepareProjectPages);
    ~MsProjectJobs();

    // Next on the select option page: 8 (new project), 12 (existing project, step one done), -1 to stay.
    int chooseImportTarget();
    // Loads the plan file again and runs step one for the target project.
    bool importProjectStepOne();
    bool importProjectStepTwo();
    // Next on the project list page of the export job.
    bool exportProject();
    void unloadUserChoiceDialog();

    void cmdBrowse_Click();

    // The ImportConfig texts of the running import.
    QString stepOneAnswer() const { return m_stepOneAnswer; }
    QString stepTwoRequest() const { return m_stepTwoRequest; }

private:
    bool runStepOne(const QString& planXml);
    // The failure of a call for the final report: the transport text, the fault or the server's state.
    QString failureText(const SoapCallResult& result) const;
    void recordFailure(const SoapCallResult& result);
    qint32 selectedTargetProject() const;
    // The saved plan in the desktop's program for it, or one the user picks.
    bool openPlanFile(const QString& path);

    frmWizard& m_wizard;
    std::function<bool()> m_prepareProjectPages;
    std::unique_ptr<AssignmentList> m_assignments;
    qint32 m_projectId = 0;
    QString m_importXml;
    QString m_stepOneAnswer;
    QString m_stepTwoRequest;
};

} // namespace kitbench
