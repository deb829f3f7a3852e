#pragma once

#include "shell/WizardPage.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace kitbench {

// Page 20: the local files to publish, one full path per entry of PublishedFileList.
class DocumentsPage : public WizardPage
{
    Q_OBJECT
public:
    explicit DocumentsPage(QWidget* parent = nullptr);

    QLabel* Label1_0 = nullptr;
    QListWidget* PublishedFileList = nullptr;
    QPushButton* CommandAddFile = nullptr;
    QPushButton* CommandRemoveFile = nullptr;
    QLabel* lblStepBeforePub_2 = nullptr;

protected:
    QList<QWidget*> lockableControls() const override;
};

} // namespace kitbench
