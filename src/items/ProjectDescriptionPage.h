#pragma once

#include "items/PageLockState.h"
#include "shell/WizardPage.h"

class QLabel;
class QPlainTextEdit;

namespace kitbench {

// Page 9, "Step 2-7-1 Project Description": the four free texts of a new project.
class ProjectDescriptionPage : public WizardPage
{
    Q_OBJECT
public:
    explicit ProjectDescriptionPage(QWidget* parent = nullptr);

    QWidget* firstField() const override;
    void setLocked(bool busy) override;
    // A fresh project starts with four empty texts.
    void resetPage() override;

    QLabel* Label59 = nullptr; // welcome line
    QPlainTextEdit* ProjectDescriptionText = nullptr;
    QPlainTextEdit* ProjectGoalsText = nullptr;
    QPlainTextEdit* ProjectScopeText = nullptr;
    QPlainTextEdit* ProjectDeliverablesText = nullptr;

    QLabel* lblProjectDescription = nullptr;
    QLabel* lblProjectGoals = nullptr;
    QLabel* lblProjectScope = nullptr;
    QLabel* lblProjectDeliverables = nullptr;

private:
    PageLockState m_lock;
};

} // namespace kitbench
