#pragma once

#include "shell/WizardPage.h"

class QLabel;
class QTreeWidget;

namespace kitbench {

// Page 12: which server user stands for each resource of the imported plan.
class AssignmentsPage : public WizardPage
{
    Q_OBJECT
public:
    explicit AssignmentsPage(QWidget* parent = nullptr);

    // Page entry: the captions of the resource assignment step.
    void prepareEntry(const WizardState& state, int direction) override;

    QLabel* lblAssignments = nullptr;
    QLabel* lblAssignmentsDescription = nullptr;
    // Column 0: the plan resource (key "a" + resource id); column 1: the server user (key "a" + user id).
    QTreeWidget* ListViewAssignments = nullptr;
    QLabel* lblAssignmentsHint = nullptr;

protected:
    QList<QWidget*> lockableControls() const override;
};

} // namespace kitbench
