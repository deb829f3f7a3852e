#include "files/DocumentsPage.h"

#include "shell/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kitbench {

DocumentsPage::DocumentsPage(QWidget* parent)
    : WizardPage(20, 0, QStringLiteral("Step 4 Supported Documents"), parent)
{
    Label1_0 = makeHeading(this, "Label1_0", 1401, QStringLiteral("Supported Documents"));

    PublishedFileList = makeControl<QListWidget>(this, "PublishedFileList");
    // Remove takes every selected path at once.
    PublishedFileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    PublishedFileList->setTextElideMode(Qt::ElideMiddle);

    CommandAddFile = makeControl<QPushButton>(this, "CommandAddFile", 3013, QStringLiteral("Add"));
    CommandRemoveFile = makeControl<QPushButton>(this, "CommandRemoveFile", 3014, QStringLiteral("Remove"));

    lblStepBeforePub_2 =
        makeLabel(this, "lblStepBeforePub_2", 1402, QStringLiteral("To continue, click Next."));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(CommandAddFile);
    buttons->addWidget(CommandRemoveFile);
    buttons->addStretch(1);

    auto* listRow = new QHBoxLayout;
    listRow->addWidget(PublishedFileList, 1);
    listRow->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1_0);
    layout->addLayout(listRow, 1);
    layout->addWidget(lblStepBeforePub_2);
}

QList<QWidget*> DocumentsPage::lockableControls() const
{
    return {PublishedFileList, CommandAddFile, CommandRemoveFile};
}

} // namespace kitbench
