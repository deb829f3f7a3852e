#pragma once

#include "items/PageLockState.h"
#include "shell/WizardPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kitbench {

// Page 18, "Step 3 Manage Resources": the people (and groups) who take part in a new item. Users
// are picked from the available list on the left into the selected list on the right.
class TeamPage : public WizardPage
{
    Q_OBJECT
public:
    explicit TeamPage(QWidget* parent = nullptr);

    QWidget* firstField() const override;
    // Locks the two lists, their buttons and the search; unlocking gives the group combo back only
    // when it holds groups (a page bound to a project's team has none).
    void setLocked(bool busy) override;

    QLabel* Label11_0 = nullptr; // welcome line
    QComboBox* ResourcesGroupCombo = nullptr;
    QPushButton* AddGroupCommand = nullptr;
    QLineEdit* SearchResourceText = nullptr;
    QPushButton* FindCommand = nullptr;
    QTreeWidget* NewResourcesListView = nullptr;   // available users
    QTreeWidget* AddedResourcesListView = nullptr; // selected users and groups
    QPushButton* AddNewUsersCommand = nullptr;
    QPushButton* DelUsersCommand = nullptr;
    QCheckBox* MustConfirmedCheck = nullptr;

    QLabel* lblResourcesAvailable = nullptr;
    QLabel* lblResourcesSelected = nullptr;
    QLabel* lblResourcesGroup = nullptr;
    QLabel* lblResourcesSearch = nullptr;
    QLabel* lblResourcesUsers = nullptr;

protected:
    QList<QWidget*> lockableControls() const override;

private:
    PageLockState m_lock;
};

} // namespace kitbench
