#pragma once

#include "items/PageLockState.h"
#include "shell/WizardPage.h"

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace kitbench {

// Page 3, "Step 2-2 Create Task": the data of a new task.
class TaskPage : public WizardPage
{
    Q_OBJECT
public:
    explicit TaskPage(QWidget* parent = nullptr);

    QWidget* firstField() const override;
    void setLocked(bool busy) override;

    QLabel* Label8 = nullptr; // welcome line
    QLineEdit* TaskTitleText = nullptr;
    QComboBox* TaskProjectCombo = nullptr;
    QComboBox* TaskPriorityCombo = nullptr;
    QComboBox* TaskCompetionTypeCombo = nullptr;
    QDateTimeEdit* TaskStartDateDayDTPicker = nullptr;
    QDateTimeEdit* TaskStartDateTimeDTPicker = nullptr;
    QDateTimeEdit* TaskEndDateDayDTPicker = nullptr;
    QDateTimeEdit* TaskEndDateTimeDTPicker = nullptr;
    QCheckBox* TaskIsMilestoneCheck = nullptr;
    QCheckBox* TaskConfirmByManagerCheck = nullptr;
    QPlainTextEdit* TaskDescriptionText = nullptr;
    QTreeWidget* TaskCategoryListView = nullptr;
    QPushButton* CommandAddTaskCategory = nullptr;

    QLabel* lblTaskTitle = nullptr;
    QLabel* lblTaskProject = nullptr;
    QLabel* lblTaskPriority = nullptr;
    QLabel* lblTaskCompletionType = nullptr;
    QLabel* lblTaskStartDate = nullptr;
    QLabel* lblTaskEndDate = nullptr;
    QLabel* lblTaskDescription = nullptr;
    QLabel* lblTaskCategory = nullptr;

private:
    PageLockState m_lock;
};

} // namespace kitbench
