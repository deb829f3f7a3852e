#pragma once

#include "shell/JobHooks.h"

#include <QString>

namespace kitbench {

class ExcelSheetPage;
class FileJobs;
class frmWizard;

// The list import from a workbook: the file choice and upload (page 16, or at once after connecting
// when the workbook was named on the command line), the server's description of the sheets, the
// column choice of page 17 and CreateListFromExcel.
class ListImport
{
public:
    ListImport(frmWizard& wizard, FileJobs& files);

    // The workbook goes to the publishing page as the queue's only file; its completion goes on.
    StepResult uploadWorkbook(int step);
    // The server's answer to the upload, through the exchange file; false (with a message) stops.
    bool workbookReceived(const QString& answer);
    // Page 17 entry: the first sheet chosen and its columns listed.
    void fillSheetFields();
    bool createListFromSheet();

    void cmdBrowseFile_Click();
    void ExcelSheetList_Click();

private:
    ExcelSheetPage* sheetPage() const;
    void fillColumns(const QString& sheet);

    frmWizard& m_wizard;
    FileJobs& m_files;
};

} // namespace kitbench
