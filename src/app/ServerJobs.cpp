#include "app/ServerJobs.h"

#include "directory/CategoryEditing.h"
#include "calendar/CalendarJobs.h"
#include "files/FileJobs.h"
#include "files/FolderPage.h"
#include "items/ItemJobs.h"
#include "lists/ListImport.h"
#include "msproject/MsProjectJobs.h"
#include "msproject/ProjectChoice.h"
#include "people/PeopleJobs.h"
#include "people/TemplateAssignments.h"
#include "platform/DesktopShell.h"
#include "session/LoginPage.h"
#include "session/ServerAddress.h"
#include "session/ServerVersion.h"
#include "session/SoapSession.h"
#include "session/WebLinks.h"
#include "shell/ConnectionSettings.h"
#include "shell/RunMode.h"
#include "shell/frmWizard.h"

#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

namespace kitbench {

ServerJobs::ServerJobs(frmWizard& wizard)
    : m_wizard(wizard), m_items(std::make_unique<ItemJobs>(wizard)),
      m_people(std::make_unique<PeopleJobs>(wizard)), m_projects(std::make_unique<ProjectChoice>(wizard)),
      m_files(std::make_unique<FileJobs>(wizard))
{
    m_calendar = std::make_unique<CalendarJobs>(wizard);
    m_listImport = std::make_unique<ListImport>(wizard, *m_files);
    m_files->setWorkbookReceived([this](const QString& answer) { return m_listImport->workbookReceived(answer); });
    m_templates = std::make_unique<TemplateAssignments>(wizard);
    // An import into a new project fills the create project pages as the project job does.
    m_msProject =
        std::make_unique<MsProjectJobs>(wizard, [this] { return m_items->loadForRunMode(CREATEPROJECT); });
    m_files->setImportFollows([this] { return importProjectStepOne(); });
    CategoryEditing::attach(wizard);
}

ServerJobs::~ServerJobs() = default;

int ServerJobs::chooseImportTarget()
{
    return m_msProject->chooseImportTarget();
}

bool ServerJobs::importProjectStepOne()
{
    return m_msProject->importProjectStepOne();
}

bool ServerJobs::importProjectStepTwo()
{
    return m_msProject->importProjectStepTwo();
}

bool ServerJobs::exportProject()
{
    return m_msProject->exportProject();
}

void ServerJobs::unloadUserChoiceDialog()
{
    m_msProject->unloadUserChoiceDialog();
}

bool ServerJobs::checkPageData(int step)
{
    if (step == 10)
        return m_projects->checkProjectListPage();
    return m_files->checkPageData(step) && m_items->checkPageData(step);
}

bool ServerJobs::loadGroups()
{
    return m_people->LoadResourcesPage();
}

bool ServerJobs::loadTemplateAssignments()
{
    return m_templates->loadForChosenTemplate();
}

bool ServerJobs::createObjectOnServer()
{
    return m_items->createObjectOnServer();
}

StepResult ServerJobs::startPublishing()
{
    return m_files->startPublishing(m_wizard.state().CurrentStep);
}

StepResult ServerJobs::uploadWorkbook()
{
    return m_listImport->uploadWorkbook(m_wizard.state().CurrentStep);
}

void ServerJobs::fillSheetFields()
{
    m_listImport->fillSheetFields();
}

bool ServerJobs::createListFromSheet()
{
    return m_listImport->createListFromSheet();
}

bool ServerJobs::exportCalendar()
{
    return m_calendar->exportCalendar();
}

StepResult ServerJobs::openChosenAsset()
{
    return m_files->openChosenAsset();
}

bool ServerJobs::cancelTransfers()
{
    return m_files->cancelTransfers();
}

void ServerJobs::dropTransfers()
{
    m_files->dropTransfers();
}

void ServerJobs::resetItemPages()
{
    m_items->resetItemPages();
}

SoapSession& ServerJobs::session() const
{
    return m_wizard.session();
}

bool ServerJobs::InitSoapClient()
{
    return session().InitSoapClient(m_wizard.loginPage()->soapLogin());
}

bool ServerJobs::connectToServer()
{
    if (!InitSoapClient() || !CheckServerVersion())
        return false;
    return loadForRunMode(m_wizard.state().RunMode);
}

bool ServerJobs::CheckServerVersion()
{
    const SoapCallResult answer = session().call(QStringLiteral("GetServerVersion"));
    if (!session().CheckSoapOutcome(answer))
        return false;
    WizardState& state = m_wizard.state();
    state.ServerVersion = answer.result.toString();
    if (const auto refusal = versionRefusal(state.ServerVersion, state.RunMode)) {
        MessageService::instance().show(*refusal);
        return false;
    }
    if (isServerVersion4(state.ServerVersion))
        static_cast<FolderPage*>(m_wizard.page(6))->NewOrvFolderCommand->setVisible(true);
    return true;
}

bool ServerJobs::loadForRunMode(int runMode)
{
    if (!m_items->loadForRunMode(runMode) || !m_projects->loadForRunMode(runMode) ||
        !m_files->loadForRunMode(runMode))
        return false;
    m_calendar->loadForRunMode(runMode);
    return true;
}

void ServerJobs::openResultWebView()
{
    const WizardState& state = m_wizard.state();
    if (state.RunMode == DOWNLOAD) {
        if (!state.DownloadedFilePath.isEmpty())
            m_wizard.desktopShell().openFolder(DownloadFolder(state.DownloadedFilePath));
        return;
    }
    const ConnectionValues page = m_wizard.loginPage()->values();
    const QString redirect = WebRedirect(state);
    const QString address = state.RunMode >= 1 && state.RunMode <= kRunModeCount
                                ? BuildWebLoginUrl(page.login, page.password, redirect, page.useSsl)
                                : QString();
    m_wizard.desktopShell().openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace kitbench
