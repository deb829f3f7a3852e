#include "files/FolderPage.h"

#include "shell/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kitbench {

FolderPage::FolderPage(QWidget* parent)
    : WizardPage(6, 0, QStringLiteral("Step 2-5 Choose Folder or Asset"), parent)
{
    Label1_2 = makeHeading(this, "Label1_2", 2501, QStringLiteral("Choose a Folder"));
    lblStep_3 =
        makeLabel(this, "lblStep_3", 2502,
                  QStringLiteral("Select the library folder to publish the files into, or the file they "
                                 "replace. To continue, click Next."));

    FileListTreeView = makeControl<QTreeWidget>(this, "FileListTreeView");
    FileListTreeView->setHeaderHidden(true);
    FileListTreeView->setColumnCount(1);
    FileListTreeView->setSelectionMode(QAbstractItemView::SingleSelection);
    setAccessibleNameTextIds(FileListTreeView, {2505});

    // A picture button: the icon says "new folder", the tooltip names it.
    NewOrvFolderCommand = makeControl<QPushButton>(this, "NewOrvFolderCommand");
    NewOrvFolderCommand->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    NewOrvFolderCommand->setToolTip(QStringLiteral("New Folder"));
    NewOrvFolderCommand->setProperty(kToolTipTextIdProperty, 9300);
    NewOrvFolderCommand->setEnabled(false);
    NewOrvFolderCommand->hide(); // only 4.x servers have new library folders: shown after the version check

    auto* treeRow = new QHBoxLayout;
    treeRow->addWidget(FileListTreeView, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(NewOrvFolderCommand);
    buttons->addStretch(1);
    treeRow->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1_2);
    layout->addWidget(lblStep_3);
    layout->addLayout(treeRow, 1);

    connect(FileListTreeView, &QTreeWidget::itemClicked, this, [this] { updateNewFolderCommand(); });
}

bool FolderPage::isWritableFolderNode(const QTreeWidgetItem* node)
{
    if (!node)
        return false;
    const QString key = node->data(0, ItemKeyRole).toString();
    const QVariant tag = node->data(0, ItemTagRole);
    return key.startsWith(QLatin1Char('F')) && tag.isValid() && tag.toLongLong() != 0;
}

void FolderPage::updateNewFolderCommand()
{
    NewOrvFolderCommand->setEnabled(isWritableFolderNode(FileListTreeView->currentItem()));
}

void FolderPage::setLocked(bool busy)
{
    WizardPage::setLocked(busy);
    // Unlocking must not offer a new folder under a node that cannot take one.
    if (!busy)
        updateNewFolderCommand();
}

QList<QWidget*> FolderPage::lockableControls() const
{
    return {FileListTreeView, NewOrvFolderCommand};
}

} // namespace kitbench
