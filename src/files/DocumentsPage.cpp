#include "files/DocumentsPage.h"

#include "shell/Controls.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
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
    setAccessibleNameTextIds(PublishedFileList, {1401});
    // Files and folders may be dropped here from the file manager.
    PublishedFileList->viewport()->setAcceptDrops(true);
    PublishedFileList->viewport()->installEventFilter(this);

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

QWidget* DocumentsPage::firstField() const
{
    return PublishedFileList->count() > 0 ? static_cast<QWidget*>(PublishedFileList) : CommandAddFile;
}

bool DocumentsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != PublishedFileList->viewport())
        return WizardPage::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!localPaths(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = localPaths(drop->mimeData());
        if (paths.isEmpty())
            return true;
        drop->acceptProposedAction();
        Q_EMIT pathsDropped(paths);
        return true;
    }
    default:
        return WizardPage::eventFilter(watched, event);
    }
}

QStringList DocumentsPage::localPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

QList<QWidget*> DocumentsPage::lockableControls() const
{
    return {PublishedFileList, CommandAddFile, CommandRemoveFile};
}

} // namespace kitbench
