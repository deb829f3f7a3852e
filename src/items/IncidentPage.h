#pragma once

#include "items/PageLockState.h"
#include "shell/WizardPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace kitbench {

// Page 2, "Step 2-1 Create Incident": the data of a new incident.
class IncidentPage : public WizardPage
{
    Q_OBJECT
public:
    explicit IncidentPage(QWidget* parent = nullptr);

    QWidget* firstField() const override;
    void setLocked(bool busy) override;

    QLabel* Label6 = nullptr; // welcome line
    QLineEdit* IncidentTitleText = nullptr;
    QComboBox* IncidentProjectCombo = nullptr;
    QComboBox* IncidentClientCombo = nullptr;
    QComboBox* IncidentTypeCombo = nullptr;
    QComboBox* IncidentPriorityCombo = nullptr;
    QComboBox* IncidentSeverityCombo = nullptr;
    QComboBox* IncidentBoxCombo = nullptr;
    QPlainTextEdit* IncidentDescriptionText = nullptr;
    QTreeWidget* IncidentCategoryListView = nullptr;
    QPushButton* CommandIssueCategory = nullptr;

    QLabel* lblIncidentTitle = nullptr;
    QLabel* lblIncidentProject = nullptr;
    QLabel* lblIncidentClient = nullptr;
    QLabel* lblIncidentType = nullptr;
    QLabel* lblIncidentPriority = nullptr;
    QLabel* lblIncidentSeverity = nullptr;
    QLabel* lblIncidentBox = nullptr;
    QLabel* lblIncidentDescription = nullptr;
    QLabel* lblIncidentCategory = nullptr;

private:
    PageLockState m_lock;
};

} // namespace kitbench
