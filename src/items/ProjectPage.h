#pragma once

#include "items/PageLockState.h"
#include "shell/WizardPage.h"

class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kitbench {

// Page 8, "Step 2-7 Create Project": title, dates, people and dictionaries of a new project.
class ProjectPage : public WizardPage
{
    Q_OBJECT
public:
    explicit ProjectPage(QWidget* parent = nullptr);

    QWidget* firstField() const override;
    // Priority, template, phase and portfolio stay off after the lock where the server lacks them.
    void setLocked(bool busy) override;

    QLabel* Label49 = nullptr; // welcome line
    QLineEdit* ProjectTitleText = nullptr;
    QComboBox* ProjectTypeCombo = nullptr;
    QComboBox* ProjectStatusCombo = nullptr;
    QComboBox* ProjectClientCombo = nullptr;
    QPushButton* CommandAddClient = nullptr;
    QComboBox* ProjectCalendarCombo = nullptr;
    QComboBox* ProjectManagerCombo = nullptr;
    QComboBox* ProjectExecutiveCombo = nullptr;
    QDateTimeEdit* ProjectStartDateDayDTPicker = nullptr;
    QDateTimeEdit* ProjectStartDateTimeDTPicker = nullptr;
    QDateTimeEdit* ProjectEndtDateDayDTPicker = nullptr;
    QDateTimeEdit* ProjectEndDateTimeDTPicker = nullptr;
    QComboBox* ProjectCurrencyCombo = nullptr;
    QComboBox* ProjectPriorityCombo = nullptr;
    QComboBox* ProjectTemplateCombo = nullptr;
    QComboBox* ProjectPhaseCombo = nullptr;
    QTreeWidget* ProjectCatagoryListView = nullptr;
    QPushButton* CommandAddProjectCategory = nullptr;
    QTreeWidget* ProjectPortfolioListView = nullptr;

    QLabel* lblProjectTitle = nullptr;
    QLabel* lblProjectType = nullptr;
    QLabel* lblProjectStatus = nullptr;
    QLabel* lblProjectClient = nullptr;
    QLabel* lblProjectCalendar = nullptr;
    QLabel* lblProjectManager = nullptr;
    QLabel* lblProjectExecutive = nullptr;
    QLabel* lblProjectStartDate = nullptr;
    QLabel* lblProjectEndDate = nullptr;
    QLabel* lblProjectCurrency = nullptr;
    QLabel* lblPriority = nullptr;
    QLabel* lblTemplate = nullptr;
    QLabel* lblPhase = nullptr;
    QLabel* lblProjectCategory = nullptr;
    QLabel* lblPortfolio = nullptr;

private:
    PageLockState m_lock;
};

} // namespace kitbench
