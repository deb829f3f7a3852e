#pragma once

#include "items/PageLockState.h"
#include "shell/WizardPage.h"

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kitbench {

// Page 5, "Step 2-4 Assign ToDo": the data of a new to-do. Its start and finish are optional: each
// pair of pickers is on only while the check box in front of it is checked.
class ToDoPage : public WizardPage
{
    Q_OBJECT
public:
    explicit ToDoPage(QWidget* parent = nullptr);

    QWidget* firstField() const override;
    // Pickers whose check box is clear are off before the lock and stay off after it.
    void setLocked(bool busy) override;

    QLabel* Label10 = nullptr; // welcome line
    QLineEdit* ToDoTitleText = nullptr;
    QComboBox* ToDoProjectCombo = nullptr;
    QComboBox* ToDoManagerCombo = nullptr;
    QComboBox* ToDoPriorityCombo = nullptr;
    QComboBox* ToDoCompetionTypeCombo = nullptr;
    QCheckBox* StartDateEnable = nullptr;
    QDateTimeEdit* ToDoStartDateDayDTPicker = nullptr;
    QDateTimeEdit* ToDoStartDateTimeDTPicker = nullptr;
    QCheckBox* FinishDateEnable = nullptr;
    QDateTimeEdit* ToDoEndDateDayDTPicker = nullptr;
    QDateTimeEdit* ToDoEndDateTimeDTPicker = nullptr;
    QComboBox* ToDoClientCombo = nullptr;
    QCheckBox* ToDoManagerConfirmCheck = nullptr;
    QPlainTextEdit* ToDoDescriptionText = nullptr;

    QLabel* lblToDoTitle = nullptr;
    QLabel* lblToDoProject = nullptr;
    QLabel* lblToDoManager = nullptr;
    QLabel* lblToDoPriority = nullptr;
    QLabel* lblToDoCompletionType = nullptr;
    QLabel* lblToDoStartDate = nullptr;
    QLabel* lblToDoEndDate = nullptr;
    QLabel* lblToDoClient = nullptr;
    QLabel* lblToDoDescription = nullptr;

private:
    PageLockState m_lock;
};

} // namespace kitbench
