// The navigation buttons' actions of frmWizard: Next, Cancel and Finish.
#include "shell/frmWizard.h"

#include "files/DocumentsPage.h"
#include "items/ProjectPage.h"
#include "lists/ListImportOptionPage.h"
#include "platform/DesktopShell.h"
#include "platform/Message.h"
#include "shell/FieldFocus.h"
#include "shell/FinalPage.h"
#include "shell/PageGraph.h"
#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"
#include "shell/WizardPage.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace kitbench {

namespace {

bool isVersion4(const QString& version)
{
    return version == QLatin1String("4.0") || version == QLatin1String("4.1") ||
           version == QLatin1String("4.5") || version == QLatin1String("4.7");
}

} // namespace

void frmWizard::onNext()
{
    // The final page's captions follow the job: a download offers to open the file.
    const bool download = m_state.RunMode == DOWNLOAD;
    m_pages.final->LabelGotoWeb->setText(GetLocalizedText(download ? 5043 : 5000));
    m_pages.final->CloseAndRunOption->setText(GetLocalizedText(download ? 5059 : 5058));

    const int step = m_state.CurrentStep;
    const qsizetype messagesBefore = MessageService::instance().history().size();
    nextFrom(step);
    // A message kept the wizard on the page: the focus goes back to the field it is about, not to
    // wherever the page lock pushed it.
    const QList<Message>& shown = MessageService::instance().history();
    if (m_state.CurrentStep == step && !m_state.IsBusy && shown.size() > messagesBefore)
        focusField(offendingField(page(step), shown[messagesBefore].textId));
}

void frmWizard::nextFrom(int step)
{
    switch (step) {
    case 0:
        ShowStep(1, NavNext);
        break;
    case 1:
        connectAndStart();
        break;
    case 2:
        if (m_hooks->checkPageData(step))
            ShowStep(20, NavNext);
        break;
    case 3:
    case 4:
    case 5: {
        if (!m_hooks->checkPageData(step))
            break;
        LockPage(step, true);
        const bool loaded = m_hooks->loadGroups();
        LockPage(step, false);
        if (loaded)
            ShowStep(18, NavNext);
        break;
    }
    case 6: {
        if (!m_hooks->checkPageData(step))
            break;
        LockPage(step, true);
        const StepResult result = m_hooks->startPublishing();
        if (result != StepResult::Started)
            LockPage(step, false);
        moveOnAfter(result, kFinalPage);
        break;
    }
    case 7: {
        if (!m_hooks->checkPageData(step))
            break;
        LockPage(step, true);
        const StepResult result = m_hooks->openChosenAsset();
        if (result != StepResult::Started)
            LockPage(step, false);
        moveOnAfter(result, kFinalPage);
        break;
    }
    case 8:
        if (m_hooks->checkPageData(step))
            ShowStep(9, NavNext);
        break;
    case 9: {
        QComboBox* templates = m_pages.project->ProjectTemplateCombo;
        const bool withTemplate = isVersion4(m_state.ServerVersion) &&
                                  (m_state.RunMode == CREATEPROJECT || m_state.RunMode == IMPORTPROJECT) &&
                                  templates->currentIndex() >= 1 && templates->currentData().toInt() != 0;
        LockPage(step, true);
        const bool loaded = withTemplate ? m_hooks->loadTemplateAssignments() : m_hooks->loadGroups();
        LockPage(step, false);
        if (loaded)
            ShowStep(withTemplate ? 19 : 18, NavNext);
        break;
    }
    case 10: {
        if (!m_hooks->checkPageData(step))
            break;
        LockPage(step, true);
        const bool done =
            m_state.RunMode == IMPORTPROJECT ? m_hooks->importProjectStepOne() : m_hooks->exportProject();
        LockPage(step, false);
        if (done)
            ShowStep(m_state.RunMode == IMPORTPROJECT ? 12 : kFinalPage, NavNext);
        break;
    }
    case 11: {
        const int target = m_hooks->chooseImportTarget();
        if (target >= 0)
            ShowStep(target, NavNext);
        break;
    }
    case 12: {
        LockPage(step, true);
        const bool done = m_hooks->importProjectStepTwo();
        LockPage(step, false);
        if (done)
            ShowStep(kFinalPage, NavNext);
        break;
    }
    case 13: {
        LockPage(step, true);
        const bool done = m_hooks->exportCalendar();
        LockPage(step, false);
        if (done)
            ShowStep(kFinalPage, NavNext);
        break;
    }
    case 14: {
        if (!m_hooks->checkPageData(step))
            break;
        LockPage(step, true);
        const bool done = m_state.RunMode == CREATELIST ? m_hooks->createObjectOnServer() : true;
        LockPage(step, false);
        if (done)
            ShowStep(m_state.RunMode == CREATELIST ? kFinalPage : 17, NavNext);
        break;
    }
    case 16: {
        if (m_pages.listImportOption->txtExcelFilePath->text().isEmpty()) {
            showMessage(3306);
            break;
        }
        LockPage(step, true);
        const StepResult result = m_hooks->uploadWorkbook();
        if (result != StepResult::Started)
            LockPage(step, false);
        moveOnAfter(result, 14);
        break;
    }
    case 17: {
        LockPage(step, true);
        const bool done = m_hooks->createListFromSheet();
        LockPage(step, false);
        if (done)
            ShowStep(kFinalPage, NavNext);
        break;
    }
    case 18:
    case 19:
        ShowStep(20, NavNext);
        break;
    case 20:
        if (m_state.RunMode == UPLOAD) {
            if (m_pages.documents->PublishedFileList->count() == 0)
                showMessage(5048);
            else
                ShowStep(6, NavNext);
        } else {
            afterObjectCreated();
        }
        break;
    default:
        break;
    }
}

void frmWizard::connectAndStart()
{
    LockPage(1, true);
    const bool connected = m_hooks->connectToServer();
    LockPage(1, false);
    if (!connected)
        return;
    if (m_state.RunMode == IMPORTLIST && !m_state.ImportFilePath.isEmpty()) {
        // The workbook named on the command line is uploaded at once; its completion shows page 14.
        LockPage(1, true);
        const StepResult result = m_hooks->uploadWorkbook();
        if (result != StepResult::Started)
            LockPage(1, false);
        moveOnAfter(result, 14);
        return;
    }
    ShowStep(firstPageAfterConnect(m_state.RunMode), NavNext);
}

// Page 20 outside UPLOAD: create the object, then publish the listed files as its attachments.
void frmWizard::afterObjectCreated()
{
    LockPage(20, true);
    m_state.FilesPublished = 0;
    m_state.FilesToPublish = 0;
    m_state.PublishingLog.clear();
    if (!m_hooks->createObjectOnServer()) {
        LockPage(20, false);
        return;
    }
    const bool importFollows = m_state.RunMode == IMPORTPROJECT && m_state.ImportNewProject;
    if (m_pages.documents->PublishedFileList->count() > 0) {
        const StepResult result = m_hooks->startPublishing();
        if (result != StepResult::Started)
            LockPage(20, false);
        moveOnAfter(result, importFollows ? 12 : kFinalPage);
        return;
    }
    if (importFollows) {
        const bool imported = m_hooks->importProjectStepOne();
        LockPage(20, false);
        if (imported)
            ShowStep(12, NavNext);
        return;
    }
    LockPage(20, false);
    ShowStep(kFinalPage, NavNext);
}

void frmWizard::moveOnAfter(StepResult result, int target)
{
    if (result == StepResult::Done)
        ShowStep(target, NavNext);
}

void frmWizard::onCancel()
{
    m_hooks->unloadUserChoiceDialog();
    if (m_state.IsBusy) {
        if (askYesNo(3006) == MessageAnswer::Yes)
            cancelRunningWork();
        return;
    }
    if (askYesNo(3005) == MessageAnswer::Yes)
        unload();
}

void frmWizard::cancelRunningWork()
{
    if (!m_hooks->cancelTransfers())
        m_state.CancelRequested = true;
}

void frmWizard::onFinish()
{
    const bool closeAndRun = m_pages.final->CloseAndRunOption->isChecked();
    const bool projectJob = m_state.RunMode == IMPORTPROJECT || m_state.RunMode == EXPORTPROJECT;
    if (closeAndRun) {
        if (m_state.RunMode != DOWNLOAD)
            m_hooks->openResultWebView();
    } else if (m_pages.final->ContinueOption->isChecked()) {
        m_pages.documents->PublishedFileList->clear();
        m_state.IsBusy = false;
        m_state.ImportFilePath.clear();
        m_pages.listImportOption->txtExcelFilePath->clear();
        m_hooks->dropTransfers();
        // The pages of the job start afresh: the project pages for the MS Project jobs, else the item pages.
        if (projectJob) {
            page(8)->resetPage();
            page(9)->resetPage();
        } else {
            m_hooks->resetItemPages();
        }
        Q_EMIT finishPressed();
        const bool skipIntro =
            m_settings.read(QStringLiteral("IntroductionScreen"), QString()) == QLatin1String("ShowIntro");
        if (skipIntro && !m_state.StartedWithRunMode)
            ShowStep(1, NavNext);
        else
            ShowStep(0, NavInitial);
        return;
    }
    Q_EMIT finishPressed();
    const QString downloaded = m_state.DownloadedFilePath;
    unload();
    if (closeAndRun && !projectJob && !downloaded.isEmpty()) {
        if (m_shell->openDocument(downloaded) == DesktopShell::OpenResult::NoAssociation)
            m_shell->chooseProgramAndOpen(downloaded, nullptr);
    }
}

void frmWizard::unload()
{
    m_unloading = true;
    m_help.close();
    close();
}

void frmWizard::closeEvent(QCloseEvent* event)
{
    // The window's close button is Cancel, except on the final page where the job is over. During
    // a call it asks to cancel the call, and the window closes when the call has returned.
    if (!m_unloading && m_state.CurrentStep != kFinalPage) {
        event->ignore();
        if (m_state.IsBusy) {
            if (askYesNo(3006) == MessageAnswer::Yes) {
                cancelRunningWork();
                m_closeAfterCall = true;
            }
            return;
        }
        onCancel();
        return;
    }
    m_help.close();
    savePlacement();
    event->accept();
}

} // namespace kitbench
