#pragma once

#include "shell/WizardPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kitbench {

// Page 11: the plan file and the target of an import: a new project or an existing one.
class ImportOptionPage : public WizardPage
{
    Q_OBJECT
public:
    explicit ImportOptionPage(QWidget* parent = nullptr);

    // Page entry: captions, the synchronization choice (4.7 servers only) and the file row, which
    // only the plan import without a known file shows.
    void prepareEntry(const WizardState& state, int direction) override;

    QLabel* ImageImport = nullptr;
    QLabel* lblProjectOption = nullptr;
    QLabel* lblProjectQuestion = nullptr;
    QComboBox* SelectProjectCombo = nullptr;
    QCheckBox* CheckUseMsProjectSync = nullptr;
    QLabel* lblSyncModeNote = nullptr;
    QLabel* lblSelectXMLFile = nullptr;
    QLineEdit* txtFilePath = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QLabel* lblProjectOptionHint = nullptr;

    // The synchronization check box depends on the server version and the chosen project, so
    // unlocking gives it back the state it had before the lock instead of enabling it.
    void setLocked(bool busy) override;

protected:
    QList<QWidget*> lockableControls() const override;

private:
    bool m_locked = false;
    bool m_syncCheckEnabledBeforeLock = false;
};

} // namespace kitbench
