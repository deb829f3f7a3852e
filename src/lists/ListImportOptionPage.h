#pragma once

#include "shell/WizardPage.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kitbench {

// Page 16: the Excel workbook a new list is made from.
class ListImportOptionPage : public WizardPage
{
    Q_OBJECT
public:
    explicit ListImportOptionPage(QWidget* parent = nullptr);

    void prepareEntry(const WizardState& state, int direction) override;

    QLabel* ImageImportList = nullptr;
    QLabel* lblListOption = nullptr;
    QLabel* lblListQuestion = nullptr;
    QRadioButton* OptionListNew = nullptr;
    QRadioButton* OptionListExisting = nullptr;
    QLabel* lblExcelFile = nullptr;
    QLineEdit* txtExcelFilePath = nullptr;
    QPushButton* cmdBrowseFile = nullptr;
    QLabel* lblListOptionHint = nullptr;

protected:
    QList<QWidget*> lockableControls() const override;
};

} // namespace kitbench
