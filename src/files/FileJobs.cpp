#include "files/FileJobs.h"

#include "files/AssetPage.h"
#include "files/CreateOrvFolder.h"
#include "files/DocumentsPage.h"
#include "files/DownloadJob.h"
#include "files/FolderPage.h"
#include "files/LibraryTree.h"
#include "files/LibraryTreeView.h"
#include "files/PublishQueue.h"
#include "items/PageChecks.h"
#include "lists/CreateListPage.h"
#include "platform/FormSender.h"
#include "platform/Message.h"
#include "session/LoginPage.h"
#include "session/SoapSession.h"
#include "shell/Artwork.h"
#include "shell/Controls.h"
#include "shell/RunMode.h"
#include "shell/frmWizard.h"

#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace kitbench {

namespace {

constexpr int kFolderPage = 6;
constexpr int kAssetPage = 7;
constexpr int kDocumentsPage = 20;
constexpr int kCreateListPage = 14;

// A chosen node's tag counts as 0 when it is the number 0 (a folder that takes no files).
bool tagIsZero(const QTreeWidgetItem* node)
{
    bool number = false;
    const qlonglong tag = node->data(0, ItemTagRole).toString().toLongLong(&number);
    return number && tag == 0;
}

} // namespace

FileJobs::FileJobs(frmWizard& wizard)
    : m_wizard(wizard), m_sender(new FormSender(&wizard)), m_publishing(new PublishQueue(wizard, *m_sender)),
      m_download(new DownloadJob(wizard, *m_sender))
{
    connectHandlers();
}

FileJobs::~FileJobs() = default;

void FileJobs::setImportFollows(std::function<bool()> importStepOne)
{
    m_publishing->setImportFollows(std::move(importStepOne));
}

void FileJobs::setWorkbookReceived(std::function<bool(const QString&)> received)
{
    m_publishing->setWorkbookReceived(std::move(received));
}

void FileJobs::connectHandlers()
{
    auto* folders = static_cast<FolderPage*>(m_wizard.page(kFolderPage));
    QObject::connect(folders->NewOrvFolderCommand, &QPushButton::clicked, folders,
                     [this] { NewOrvFolderCommand_Click(); });
    auto* lists = static_cast<CreateListPage*>(m_wizard.page(kCreateListPage));
    QObject::connect(lists->AddNewListFolderCommand, &QPushButton::clicked, lists,
                     [this] { AddNewListFolderCommand_Click(); });
    auto* documents = static_cast<DocumentsPage*>(m_wizard.page(kDocumentsPage));
    QObject::connect(documents->CommandAddFile, &QPushButton::clicked, documents,
                     [this] { CommandAddFile_Click(); });
    QObject::connect(documents->CommandRemoveFile, &QPushButton::clicked, documents,
                     [this] { CommandRemoveFile_Click(); });
}

bool FileJobs::loadForRunMode(int runMode)
{
    const std::optional<ServerCall> call = libraryDirCall(runMode);
    if (!call)
        return true;
    SoapSession& session = m_wizard.session();
    if (!session.InitSoapClient(m_wizard.loginPage()->soapLogin()))
        return false;
    QVariantList arguments = call->arguments;
    const SoapCallResult answer = session.call(call->method, arguments);
    if (!session.CheckSoapOutcome(answer))
        return false;
    BuildLibraryTree(answer.result.toString());
    return true;
}

void FileJobs::BuildLibraryTree(const QString& xml)
{
    const WizardState& state = m_wizard.state();
    const std::optional<LibraryTrees> trees = buildLibraryTrees(xml, state.RunMode, state.ServerVersion);
    if (!trees)
        return;
    fillLibraryTree(static_cast<FolderPage*>(m_wizard.page(kFolderPage))->FileListTreeView, trees->folders);
    fillLibraryTree(static_cast<AssetPage*>(m_wizard.page(kAssetPage))->AssetListTreeView, trees->assets);
}

bool FileJobs::checkPageData(int step)
{
    // The folder page is the upload's, the file page the download's, whichever job shows them.
    const QTreeWidget* tree = nullptr;
    int runMode = 0;
    if (step == kFolderPage) {
        tree = static_cast<FolderPage*>(m_wizard.page(kFolderPage))->FileListTreeView;
        runMode = UPLOAD;
    } else if (step == kAssetPage) {
        tree = static_cast<AssetPage*>(m_wizard.page(kAssetPage))->AssetListTreeView;
        runMode = DOWNLOAD;
    } else {
        return true;
    }
    const QTreeWidgetItem* node = tree->currentItem();
    PageCheckValues values;
    values.nodeSelected = node && node->isSelected();
    values.nodeTagIsZero = values.nodeSelected && tagIsZero(node);
    const QList<int> failures = pageCheckMessages(runMode, values);
    for (int textId : failures)
        showMessage(textId);
    return failures.isEmpty();
}

StepResult FileJobs::startPublishing(int step)
{
    if (step == kFolderPage)
        rememberUploadTarget();
    m_download->drop();
    return m_publishing->PublishAll(step);
}

StepResult FileJobs::openChosenAsset()
{
    m_publishing->drop();
    return m_download->Start();
}

void FileJobs::rememberUploadTarget()
{
    // The web link of the result: a plain library folder (no AssetId) by its own id, else the library
    // of the project the folder's AssetId names.
    WizardState& state = m_wizard.state();
    const ChosenNode chosen =
        chosenNode(static_cast<FolderPage*>(m_wizard.page(kFolderPage))->FileListTreeView->currentItem());
    state.UploadToLibraryFolder = chosen.isFolder() && chosen.tag == QLatin1String("-1");
    if (state.UploadToLibraryFolder)
        state.CreatedObjectId = chosen.keyNumber();
    else
        state.UploadProjectId = chosen.tag.toInt();
}

bool FileJobs::cancelTransfers()
{
    const bool publishing = m_publishing->cancel();
    const bool downloading = m_download->cancel();
    return publishing || downloading;
}

void FileJobs::dropTransfers()
{
    m_publishing->drop();
    m_download->drop();
}

void FileJobs::NewOrvFolderCommand_Click()
{
    CreateOrvFolder::run(m_wizard, static_cast<FolderPage*>(m_wizard.page(kFolderPage))->FileListTreeView,
                         false);
}

void FileJobs::AddNewListFolderCommand_Click()
{
    CreateOrvFolder::run(
        m_wizard, static_cast<CreateListPage*>(m_wizard.page(kCreateListPage))->ListFolderTreeView, true);
}

void FileJobs::CommandAddFile_Click()
{
    FileQuestion question;
    question.several = true;
    const std::optional<QString> chosen = MessageService::instance().askFile(Message::fromId(5010), question);
    if (!chosen)
        return;
    const QStringList paths = chosen->split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& path : paths)
        static_cast<DocumentsPage*>(m_wizard.page(kDocumentsPage))->PublishedFileList->addItem(path);
    if (!paths.isEmpty())
        m_wizard.cmdNav[3]->setEnabled(true);
}

void FileJobs::CommandRemoveFile_Click()
{
    QListWidget* list = static_cast<DocumentsPage*>(m_wizard.page(kDocumentsPage))->PublishedFileList;
    for (int i = list->count() - 1; i >= 0; --i)
        if (list->item(i)->isSelected())
            delete list->takeItem(i);
    // Publishing into the library needs a file: with none left there is no way on.
    m_wizard.cmdNav[3]->setEnabled(!(list->count() == 0 && m_wizard.state().RunMode == UPLOAD));
}

} // namespace kitbench
