#pragma once

#include <QString>

namespace kitbench {

// How a step that may run on after it returns (a file transfer) ended: done at once, started (its
// completion moves the wizard on), or failed (its message was shown; the wizard stays on the page).
enum class StepResult { Done, Started, Failed };

// The contract between the wizard window and the jobs.
//
// frmWizard owns the pages and the navigation and makes no server call of its own: for each step of a
// job that needs the server, its Next handler calls one hook below. ServerJobs (src/app) is the one
// implementation that composes the real jobs; it hands each hook to the job folder that owns the step.
//
// - When: on the GUI thread, from Next on the page named at each hook (connectToServer from the
//   connection page, and so on), after that page's own check. Steps with server work run with the page
//   locked (LockPage: inputs, Back and Next disabled, progress bar and "please wait" shown).
// - While running: a SOAP call waits in a local event loop, so the window stays live. Cancel confirmed
//   with Yes first asks cancelTransfers() to stop a running transfer; when none runs it sets
//   WizardState::CancelRequested, which the session honours at the running call's next step.
// - Success: true (or Done); the wizard shows the page that follows (PageGraph / nextFrom decide which).
// - Failure: the hook has shown its own message through MessageService and returns false (or Failed);
//   the wizard stays on the page with the input as typed and puts the focus on the field the message
//   is about. A hook never shows a page itself on failure.
// - Started: the step goes on after the hook returns (a transfer). Its owner then unlocks the page
//   (LockPage(step, false)) and, on success only, shows the next page (ShowStep); on Continue the
//   wizard drops whatever is left of it (dropTransfers).
// - Results: hooks read the pages' inputs and leave what the final page reports in WizardState (files
//   published, the publishing log, LastStepFailed / LastErrorText, the exported project's name).
//
// What is not overridden does nothing and succeeds, so every page path can be walked without a server.
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
