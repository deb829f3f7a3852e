#pragma once

#include "items/PageLockState.h"
#include "shell/WizardPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kitbench {

// Page 19, "Step 3-1 Templates": users receive the roles of the chosen project template. Users
// without a role are on the left; each assignment (user and role) is on the right.
class TemplatesPage : public WizardPage
{
    Q_OBJECT
public:
    explicit TemplatesPage(QWidget* parent = nullptr);

    void setLocked(bool busy) override;

    QLabel* Label79 = nullptr; // welcome line
    QComboBox* RolesCombo = nullptr;
    QComboBox* AssignmentsGroupCombo = nullptr;
    QPushButton* Command3 = nullptr; // "Add Group": groups take no roles, so it stays hidden
    QLineEdit* SearchAssignmentText = nullptr;
    QPushButton* FindAssignmentCommand = nullptr;
    QTreeWidget* AssignmentUsersListView = nullptr;  // available users
    QTreeWidget* AddedAssignmentsListView = nullptr; // assignments
    QPushButton* AddNewAssignmentCommand = nullptr;
    QPushButton* DelAssignmentCommand = nullptr;

    QLabel* lblAssignmentsAvailable = nullptr;
    QLabel* lblAssignmentsSelected = nullptr;
    QLabel* lblAssignmentRole = nullptr;
    QLabel* lblAssignmentsGroup = nullptr;
    QLabel* lblAssignmentSearch = nullptr;
    QLabel* lblAssignmentUsers = nullptr;

private:
    PageLockState m_lock;
};

} // namespace kitbench
