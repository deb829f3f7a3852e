#pragma once

#include <QString>

namespace kitbench {

class frmWizard;

// The server's projects in the MS Project jobs: the list of the export page with its details box and
// tooltip, the target combo of the import page with the synchronization check box, the loads of the
// connect sequence and the project list page's check.
class ProjectChoice
{
public:
    explicit ProjectChoice(frmWizard& wizard);

    // IMPORTPROJECT and EXPORTPROJECT: GetProjectListXml into the wizard's projects text, then the
    // page's list. The export job applies the standard check first; the import job does not (an
    // unusable answer leaves only the new-project entry). True for the other run modes.
    bool loadForRunMode(int runMode);
    // Next on the project list page: text 2623 without projects, 2624 without a choice (both only
    // for an existing project).
    bool checkProjectListPage();

    void BuildProjectsListForImportExport(const QString& xml);
    void BuildProjectsListForSelectProjectCombo(const QString& xml);
    void ListProjects_Click();
    void SelectProjectCombo_Click();

private:
    void connectHandlers();

    frmWizard& m_wizard;
};

} // namespace kitbench
