#pragma once

#include "shell/WizardPage.h"

class QCheckBox;
class QLabel;
class QTreeWidget;

namespace kitbench {

// Page 0: the welcome text and, when no job was named on the command line, the list of jobs.
class IntroductionPage : public WizardPage
{
    Q_OBJECT
public:
    explicit IntroductionPage(QWidget* parent = nullptr);

    // Fills the page for the run mode the session started with (0: offer the job list).
    void prepare(int runMode);
    // The run mode of the selected entry, 0 when none is selected.
    int selectedRunMode() const;

    QLabel* ImageIntro;
    QLabel* lblStep_0;
    QLabel* lblWelcome;
    QTreeWidget* actionListView;
    QCheckBox* chkShowIntro;
};

} // namespace kitbench
