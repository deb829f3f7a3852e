#pragma once

#include "shell/JobHooks.h"

#include <memory>

namespace kitbench {

class CalendarJobs;
class FileJobs;
class ItemJobs;
class ListImport;
class MsProjectJobs;
class PeopleJobs;
class ProjectChoice;
class SoapSession;
class TemplateAssignments;
class frmWizard;

// The server side of the jobs: the connect sequence of the connection page and the web links of
// the final page. The jobs' own server work builds on it.
class ServerJobs : public JobHooks
{
public:
    explicit ServerJobs(frmWizard& wizard);
    ~ServerJobs() override;

    // Lock, client, version check, the run mode's loads; the navigation then shows the first page.
    bool connectToServer() override;
    // LabelGotoWeb: the result's page in the web interface, signed in automatically; the download
    // job opens the folder of the saved file instead. Nothing is reported on these paths.
    void openResultWebView() override;

    bool checkPageData(int step) override;
    bool loadGroups() override;
    bool loadTemplateAssignments() override;
    bool createObjectOnServer() override;
    void resetItemPages() override;
    StepResult startPublishing() override;
    StepResult openChosenAsset() override;
    bool exportCalendar() override;
    StepResult uploadWorkbook() override;
    void fillSheetFields() override;
    bool createListFromSheet() override;
    bool cancelTransfers() override;
    int chooseImportTarget() override;
    bool importProjectStepOne() override;
    bool importProjectStepTwo() override;
    bool exportProject() override;
    void unloadUserChoiceDialog() override;
    void dropTransfers() override;

protected:
    // The loads the run mode needs before its first page, each begun by a fresh client and ended by
    // the standard check. The jobs that load nothing yet succeed at once.
    virtual bool loadForRunMode(int runMode);

    frmWizard& wizard() const { return m_wizard; }
    SoapSession& session() const;
    // A fresh client for the login now on the connection page.
    bool InitSoapClient();

private:
    bool CheckServerVersion();

    frmWizard& m_wizard;
    std::unique_ptr<ItemJobs> m_items;
    std::unique_ptr<PeopleJobs> m_people;
    std::unique_ptr<TemplateAssignments> m_templates;
    std::unique_ptr<ProjectChoice> m_projects;
    std::unique_ptr<FileJobs> m_files;
    std::unique_ptr<MsProjectJobs> m_msProject;
    std::unique_ptr<CalendarJobs> m_calendar;
    std::unique_ptr<ListImport> m_listImport;
};

} // namespace kitbench
