#pragma once

#include "shell/WizardPage.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kitbench {

// Page 6: the library folder (or an existing library file) that the listed files are published into.
class FolderPage : public WizardPage
{
    Q_OBJECT
public:
    explicit FolderPage(QWidget* parent = nullptr);

    QLabel* Label1_2 = nullptr;
    QLabel* lblStep_3 = nullptr;
    QTreeWidget* FileListTreeView = nullptr;
    QPushButton* NewOrvFolderCommand = nullptr;

    // A node a new folder may be created under: a folder ("F" key) the user may write to (tag not 0).
    static bool isWritableFolderNode(const QTreeWidgetItem* node);

    // Enables the new-folder button exactly when the current node is a writable folder.
    void updateNewFolderCommand();

    void setLocked(bool busy) override;

protected:
    QList<QWidget*> lockableControls() const override;
};

} // namespace kitbench
