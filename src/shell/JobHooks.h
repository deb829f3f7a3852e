#pragma once

#include <QString>

namespace kitbench {

// How a step that may run on after it returns (a file transfer) ended: done at once, started (its
// completion moves the wizard on), or failed (its message was shown; the wizard stays on the page).
enum class StepResult { Done, Started, Failed };

// The server work of the jobs, as the navigation calls it. Each step shows its own message and
// returns false (or Failed) when it fails; the wizard then stays on the page. The jobs' subsystems
// override these; what is not overridden does nothing and succeeds, so every page path can be walked.
class JobHooks
{
public:
    virtual ~JobHooks() = default;

    // Page 1: build the client, check the server version and load what the run mode needs.
    virtual bool connectToServer() { return true; }
    // CheckPageData of an input page (including the project choice of page 10).
    virtual bool checkPageData(int /*step*/) { return true; }
    // The groups for the team page, or the template's role assignments for the templates page.
    virtual bool loadGroups() { return true; }
    virtual bool loadTemplateAssignments() { return true; }
    // CreateObjectOnServer for the run mode (page 20; page 14 for a new list).
    virtual bool createObjectOnServer() { return true; }
    // Publishing the listed files (into the chosen folder on page 6, as attachments on page 20).
    virtual StepResult startPublishing() { return StepResult::Done; }
    // Page 7: open the chosen link or download the chosen file.
    virtual StepResult openChosenAsset() { return StepResult::Done; }
    // IMPORTLIST: upload the workbook (page 16, or at once after connecting when it was named).
    virtual StepResult uploadWorkbook() { return StepResult::Done; }
    // Tells running transfers to stop; false when none is running.
    virtual bool cancelTransfers() { return false; }
    virtual void dropTransfers() {}
    // Page 11: new or existing project; returns the next page (8 or 12), or -1 to stay.
    virtual int chooseImportTarget() { return 12; }
    virtual bool importProjectStepOne() { return true; }
    virtual bool importProjectStepTwo() { return true; }
    virtual bool exportProject() { return true; }
    virtual bool exportCalendar() { return true; }
    virtual bool createListFromSheet() { return true; }
    // Page 17 entry: the fields of the selected sheet.
    virtual void fillSheetFields() {}
    // ResetItemPage of the item pages (Continue on the final page, outside the MS Project jobs).
    virtual void resetItemPages() {}
    // The web view of the result (LabelGotoWeb).
    virtual void openResultWebView() {}
    // The user-choice dialog of the assignment pages, unloaded on Cancel and on the final page.
    virtual void unloadUserChoiceDialog() {}
};

} // namespace kitbench
