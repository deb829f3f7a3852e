#pragma once

#include "shell/WizardPage.h"

class QLabel;
class QTreeWidget;

namespace kitbench {

// Page 7: the library file (or external link) to download.
class AssetPage : public WizardPage
{
    Q_OBJECT
public:
    explicit AssetPage(QWidget* parent = nullptr);

    QLabel* Label1_3 = nullptr;
    QLabel* lblStep_2 = nullptr;
    QTreeWidget* AssetListTreeView = nullptr;

protected:
    QList<QWidget*> lockableControls() const override;
};

} // namespace kitbench
