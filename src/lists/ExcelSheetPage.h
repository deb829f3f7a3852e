#pragma once

#include "shell/WizardPage.h"

class QCheckBox;
class QLabel;
class QTreeWidget;

namespace kitbench {

// Page 17: the sheet of the uploaded workbook and the columns the new list keeps.
class ExcelSheetPage : public WizardPage
{
    Q_OBJECT
public:
    explicit ExcelSheetPage(QWidget* parent = nullptr);

    // Page entry: the first sheet is selected (its fields are then filled by the list job).
    void prepareEntry(const WizardState& state, int direction) override;

    QLabel* lblExcelSheetHeading = nullptr;
    QLabel* lblExcelSheetHint = nullptr;
    QLabel* lblExcelSheets = nullptr;
    // One item per sheet, key and text the sheet name.
    QTreeWidget* ExcelSheetList = nullptr;
    QLabel* lblExcelSheetFields = nullptr;
    // One checkable item per column of the selected sheet, key and text the column name.
    QTreeWidget* ExcelSheetFieldList = nullptr;
    QCheckBox* IgnoreErrorImportRowCheck = nullptr;

    void resetPage() override;

protected:
    QList<QWidget*> lockableControls() const override;
};

} // namespace kitbench
