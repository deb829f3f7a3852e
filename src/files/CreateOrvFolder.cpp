#include "files/CreateOrvFolder.h"

#include "platform/DialogService.h"
#include "platform/soap/SoapClient.h"
#include "session/SoapOutcome.h"
#include "session/SoapSession.h"
#include "shell/Artwork.h"
#include "shell/Controls.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kitbench {

CreateOrvFolder::CreateOrvFolder(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CreateOrvFolder"));
    CaptionLabel = makeLabel(this, "CaptionLabel", 8015, QStringLiteral("Name of the new library folder:"));
    NewOrvFolderText = makeControl<QLineEdit>(this, "NewOrvFolderText");
    CaptionLabel->setBuddy(NewOrvFolderText);
    OKButton = makeControl<QPushButton>(this, "OKButton", 8009, QStringLiteral("OK"));
    CancelButton = makeControl<QPushButton>(this, "CancelButton", 8010, QStringLiteral("Cancel"));
    OKButton->setDefault(true);
    ProgressBarAddNew = makeControl<QProgressBar>(this, "ProgressBarAddNew");
    ProgressBarAddNew->setTextVisible(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ProgressBarAddNew, 1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CaptionLabel);
    layout->addWidget(NewOrvFolderText);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &CreateOrvFolder::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &CreateOrvFolder::CancelButton_Click);
    Form_Load();
}

void CreateOrvFolder::run(frmWizard& wizard, QTreeWidget* tree, bool listFolder)
{
    QTreeWidgetItem* parent = tree ? tree->currentItem() : nullptr;
    if (!parent)
        return;
    CreateOrvFolder dialog(&wizard);
    dialog.IsListFolder = listFolder;
    // A library folder's tag holds its AssetId (a project id, or -1), which names no folder: the key
    // "F<id>" does. A list folder sends its tag, which is 0 for a folder that takes no lists; the
    // server then makes the new folder where the user may write.
    dialog.ParentFolderId = listFolder
                                ? static_cast<qint16>(parent->data(0, ItemTagRole).toInt())
                                : static_cast<qint16>(parent->data(0, ItemKeyRole).toString().mid(1).toInt());
    dialog.CaptionLabel->setText(GetLocalizedText(listFolder ? 8016 : 8015));
    dialog.OKButton->setText(GetLocalizedText(8009));
    dialog.CancelButton->setText(GetLocalizedText(8010));
    SoapSession& session = wizard.session();
    dialog.soapclient = session.soapclient();
    dialog.soapheader = session.soapheader();
    session.setCallback(&dialog);
    DialogService::instance().exec(dialog);
    session.restoreCallback();
    if (!dialog.FolderCreated)
        return;
    auto* node = new QTreeWidgetItem(parent, QStringList{dialog.FolderName});
    node->setData(0, ItemKeyRole, QStringLiteral("F") + QString::number(dialog.FolderId));
    node->setData(0, ItemTagRole, QVariant::fromValue<qint16>(dialog.FolderId));
    node->setData(0, ItemIconKeyRole, QStringLiteral("<folder>"));
    node->setIcon(0, imageListIcon(QStringLiteral("<folder>")));
    parent->setExpanded(true);
}

void CreateOrvFolder::Form_Load()
{
    ProgressBarAddNew->setVisible(false);
    FolderCreated = false;
    m_errorText.clear();
    FolderName.clear();
    FolderId = -1;
    m_busy = false;
    m_cancel = false;
}

void CreateOrvFolder::OKButton_Click()
{
    FolderName = NewOrvFolderText->text();
    if (!FolderName.isEmpty()) {
        ProgressBarAddNew->setRange(0, 4);
        ProgressBarAddNew->setValue(0);
        ProgressBarAddNew->setVisible(true);
        NewOrvFolderText->setEnabled(false);
        OKButton->setEnabled(false);
        createFolder();
        NewOrvFolderText->setEnabled(true);
        OKButton->setEnabled(true);
        ProgressBarAddNew->setVisible(false);
    }
    accept();
}

void CreateOrvFolder::createFolder()
{
    m_busy = true;
    m_errorText.clear();
    QVariantList arguments{QVariant::fromValue<qint16>(ParentFolderId), FolderName};
    SoapCallResult result;
    if (soapclient)
        result = soapclient->call(
            IsListFolder ? QStringLiteral("CreateListFolder") : QStringLiteral("CreateFolder"), arguments);
    else
        result.status = SoapCallResult::Status::Raised;
    FolderCreated = CheckSoapOutcome(result, m_errorText, soapheader);
    if (FolderCreated)
        FolderId = static_cast<qint16>(result.result.toInt());
    m_busy = false;
}

void CreateOrvFolder::CancelButton_Click()
{
    if (m_busy) {
        m_cancel = true; // the running call stops at its next step
        return;
    }
    FolderName.clear();
    QDialog::reject();
}

void CreateOrvFolder::reject()
{
    CancelButton_Click();
}

void CreateOrvFolder::closeEvent(QCloseEvent* event)
{
    if (m_busy) {
        m_cancel = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CreateOrvFolder::IAsyncSOAPCall_OnProgress(int progress, bool& cancel)
{
    if (!ProgressBarAddNew->isHidden())
        ProgressBarAddNew->setValue(progress);
    cancel = m_cancel;
}

void CreateOrvFolder::IAsyncSOAPCall_OnError(int /*type*/, int /*code*/, const QString& description)
{
    m_errorText = description;
}

} // namespace kitbench
