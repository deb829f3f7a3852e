#include "files/AssetPage.h"

#include "shell/Controls.h"

#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kitbench {

AssetPage::AssetPage(QWidget* parent) : WizardPage(7, 0, QStringLiteral("Step 2-6 Choose Asset"), parent)
{
    Label1_3 = makeHeading(this, "Label1_3", 2601, QStringLiteral("Choose a File"));
    lblStep_2 = makeLabel(this, "lblStep_2", 2602,
                          QStringLiteral("Select the file to download. To continue, click Next."));

    AssetListTreeView = makeControl<QTreeWidget>(this, "AssetListTreeView");
    AssetListTreeView->setHeaderHidden(true);
    AssetListTreeView->setColumnCount(1);
    setAccessibleNameTextIds(AssetListTreeView, {2505});
    AssetListTreeView->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1_3);
    layout->addWidget(lblStep_2);
    layout->addWidget(AssetListTreeView, 1);
}

QList<QWidget*> AssetPage::lockableControls() const
{
    return {AssetListTreeView};
}

} // namespace kitbench
