#pragma once

#include "shell/WizardPage.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kitbench {

// Page 21, "Finished!": the report of the job and the three ways on.
class FinalPage : public WizardPage
{
    Q_OBJECT
public:
    explicit FinalPage(QWidget* parent = nullptr);

    void showReport(const QString& report);

    QLabel* lblStep_5;
    QRadioButton* ContinueOption;
    QRadioButton* CloseAndRunOption;
    QRadioButton* CloseOption;
    QPushButton* LabelGotoWeb;
    QPlainTextEdit* TextLog;
};

} // namespace kitbench
