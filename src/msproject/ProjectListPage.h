#pragma once

#include "shell/WizardPage.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace kitbench {

// Page 10: the server project to import the plan into, or to open in MS Project.
class ProjectListPage : public WizardPage
{
    Q_OBJECT
public:
    explicit ProjectListPage(QWidget* parent = nullptr);

    // Page entry: the wording of the labels follows the job (import into or open from MS Project).
    void prepareEntry(const WizardState& state, int direction) override;

    QLabel* lblImportProjectList = nullptr;
    QLabel* Label69 = nullptr;
    QLabel* lblProjectsList = nullptr;
    QListWidget* ListProjects = nullptr;
    QLabel* lblProjectDescription = nullptr;
    QPlainTextEdit* txtProjectDetails = nullptr;
    QLabel* lblIsSyncMsProjectMode = nullptr;
    QLabel* lblProjectListHint = nullptr;

protected:
    QList<QWidget*> lockableControls() const override;
};

} // namespace kitbench
