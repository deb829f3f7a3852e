#pragma once

#include "shell/JobHooks.h"

#include <QString>

#include <functional>

namespace kitbench {

class DownloadJob;
class FormSender;
class PublishQueue;
class frmWizard;

// The file library jobs: the library trees after connecting, the new-folder buttons (library and list
// folders), the documents
// list's Add and Remove, the folder and file checks, publishing and downloading.
class FileJobs
{
public:
    explicit FileJobs(frmWizard& wizard);
    ~FileJobs();

    // UPLOAD and DOWNLOAD: GetLibraryDirXml, the standard check, BuildLibraryTree. True otherwise.
    bool loadForRunMode(int runMode);
    // CheckPageData of the folder page (6) and the file page (7); true for other pages.
    bool checkPageData(int step);
    StepResult startPublishing(int step);
    StepResult openChosenAsset();
    bool cancelTransfers();
    void dropTransfers();
    // What runs after the files of a plan import into a new project are published.
    void setImportFollows(std::function<bool()> importStepOne);
    void setWorkbookReceived(std::function<bool(const QString&)> received);

    void BuildLibraryTree(const QString& xml);
    void NewOrvFolderCommand_Click();
    void AddNewListFolderCommand_Click();
    void CommandAddFile_Click();
    void CommandRemoveFile_Click();

private:
    void connectHandlers();
    // UploadToLibraryFolder and UploadProjectId from the chosen folder page node.
    void rememberUploadTarget();

    frmWizard& m_wizard;
    FormSender* m_sender; // owned by the window
    PublishQueue* m_publishing;
    DownloadJob* m_download;
};

} // namespace kitbench
