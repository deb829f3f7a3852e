#pragma once

#include "shell/WizardPage.h"

class QLabel;
class QListWidget;
class QMimeData;
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

    QWidget* firstField() const override;

Q_SIGNALS:
    // Files or folders dropped from the file manager onto the list, as local paths.
    void pathsDropped(const QStringList& paths);

protected:
    QList<QWidget*> lockableControls() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The local files and folders a drag carries; remote addresses are left out.
    static QStringList localPaths(const QMimeData* data);
};

} // namespace kitbench
