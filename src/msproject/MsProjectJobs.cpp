#include "msproject/MsProjectJobs.h"

#include "items/ProjectPage.h"
#include "msproject/AssignmentList.h"
#include "msproject/ImportOptionPage.h"
#include "msproject/MsProjectCalls.h"
#include "msproject/MsProjectOpen.h"
#include "msproject/PlanFile.h"
#include "msproject/ProjectListPage.h"
#include "platform/DesktopShell.h"
#include "platform/Message.h"
#include "platform/soap/OrvProjectSoapClient.h"
#include "session/SoapSession.h"
#include "shell/PageGraph.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace kitbench {

namespace {

constexpr int kCreateProjectPage = 8;
constexpr int kProjectListPage = 10;
constexpr int kImportOptionPage = 11;
constexpr int kAssignmentsPage = 12;

ImportOptionPage* optionPage(frmWizard& wizard)
{
    return static_cast<ImportOptionPage*>(wizard.page(kImportOptionPage));
}

SoapCallResult callServer(SoapSession& session, const ServerCall& call)
{
    QVariantList arguments = call.arguments;
    return session.call(call.method, arguments);
}

} // namespace

MsProjectJobs::MsProjectJobs(frmWizard& wizard, std::function<bool()> prepareProjectPages)
    : m_wizard(wizard), m_prepareProjectPages(std::move(prepareProjectPages)),
      m_assignments(std::make_unique<AssignmentList>(wizard))
{
    ImportOptionPage* page = optionPage(wizard);
    QObject::connect(page->cmdBrowse, &QPushButton::clicked, page, [this] { cmdBrowse_Click(); });
}

MsProjectJobs::~MsProjectJobs() = default;

void MsProjectJobs::cmdBrowse_Click()
{
    FileQuestion question;
    question.filter = QStringLiteral("XML Files (*.xml)");
    const std::optional<QString> path = MessageService::instance().askFile(Message::fromId(2613), question);
    if (path && !path->isEmpty())
        optionPage(m_wizard)->txtFilePath->setText(*path);
}

qint32 MsProjectJobs::selectedTargetProject() const
{
    return optionPage(m_wizard)->SelectProjectCombo->currentData().toInt();
}

int MsProjectJobs::chooseImportTarget()
{
    ImportOptionPage* page = optionPage(m_wizard);
    WizardState& state = m_wizard.state();
    const QString path = page->txtFilePath->text();
    if (path.isEmpty()) {
        showMessage(2625);
        return -1;
    }
    const qint32 target = selectedTargetProject();
    if (target != 0 && page->CheckUseMsProjectSync->isEnabledTo(page) &&
        MessageService::instance().show(Message::fromId(2646, MessageButtons::OkCancel)) != MessageAnswer::Ok)
        return -1;

    if (target == 0) {
        // A new project: the create project pages come first, with the plan's dates in their pickers.
        state.ImportNewProject = true;
        m_wizard.LockPage(kImportOptionPage, true);
        const bool prepared = !m_prepareProjectPages || m_prepareProjectPages();
        const std::optional<PlanFile> plan = PlanFile::load(path);
        m_wizard.LockPage(kImportOptionPage, false);
        if (plan) {
            // The day pickers hold the day (at midnight), the time pickers the time of day: the page
            // adds the two when it sends them.
            auto* project = static_cast<ProjectPage*>(m_wizard.page(kCreateProjectPage));
            if (plan->start) {
                project->ProjectStartDateDayDTPicker->setDateTime(plan->start->date().startOfDay());
                project->ProjectStartDateTimeDTPicker->setDateTime(*plan->start);
            }
            if (plan->finish) {
                project->ProjectEndtDateDayDTPicker->setDateTime(plan->finish->date().startOfDay());
                project->ProjectEndDateTimeDTPicker->setDateTime(*plan->finish);
            }
        } else {
            showMessage(2626);
        }
        return prepared ? kCreateProjectPage : -1;
    }

    state.ImportNewProject = false;
    m_wizard.LockPage(kImportOptionPage, true);
    const std::optional<PlanFile> plan = PlanFile::load(path);
    const bool done = plan && runStepOne(plan->xml);
    m_wizard.LockPage(kImportOptionPage, false);
    if (!plan)
        showMessage(2626);
    return done ? kAssignmentsPage : -1;
}

bool MsProjectJobs::importProjectStepOne()
{
    const std::optional<PlanFile> plan = PlanFile::load(optionPage(m_wizard)->txtFilePath->text());
    if (!plan) {
        showMessage(2626);
        return false;
    }
    return runStepOne(plan->xml);
}

bool MsProjectJobs::runStepOne(const QString& planXml)
{
    WizardState& state = m_wizard.state();
    SoapSession& session = m_wizard.session();
    m_importXml = planXml;
    m_stepOneAnswer.clear();
    QProgressBar* bar = m_wizard.progressBar();
    bar->setValue(0);
    bar->setVisible(true);
    // A new project is the one the wizard has just created.
    m_projectId = state.ImportNewProject ? state.CreatedObjectId : selectedTargetProject();
    const SoapCallResult result = callServer(session, importStepOneCall(m_projectId, m_importXml));
    if (result.ok())
        m_stepOneAnswer = result.result.toString();
    bar->setVisible(false);

    const OrvProjectSoapClient* header = session.soapheader();
    const bool failed = result.raisedError() || !session.SoapErrorText.isEmpty() || !header ||
                        header->ServerErrorMessage != QLatin1String("OK");
    if (failed) {
        if (state.ImportNewProject) {
            // The project exists on the server already: the final page tells what went wrong.
            recordFailure(result);
            m_wizard.ShowStep(kFinalPage, NavNext);
            return false;
        }
        session.CheckSoapOutcome(result);
        recordFailure(result);
        return false;
    }
    state.LastStepFailed = false;
    state.LastErrorText.clear();
    m_assignments->fill(m_stepOneAnswer);
    return true;
}

bool MsProjectJobs::importProjectStepTwo()
{
    WizardState& state = m_wizard.state();
    SoapSession& session = m_wizard.session();
    m_stepTwoRequest = m_assignments->buildRequest();
    if (!state.ImportNewProject)
        m_projectId = selectedTargetProject();
    const bool synchronize = optionPage(m_wizard)->CheckUseMsProjectSync->isChecked();
    const std::optional<ServerCall> call = importStepTwoCall(m_projectId, synchronize, m_stepTwoRequest);
    if (!call) {
        // The id does not fit the call's 16-bit argument.
        state.LastStepFailed = true;
        state.LastErrorText = GetLocalizedText(5005);
        showMessage(5005);
        return false;
    }
    const SoapCallResult result = callServer(session, *call);
    if (!session.CheckSoapOutcome(result)) {
        recordFailure(result);
        return false;
    }
    state.LastStepFailed = false;
    state.LastErrorText.clear();
    return true;
}

bool MsProjectJobs::exportProject()
{
    WizardState& state = m_wizard.state();
    SoapSession& session = m_wizard.session();
    const QListWidgetItem* item =
        static_cast<ProjectListPage*>(m_wizard.page(kProjectListPage))->ListProjects->currentItem();
    if (!item)
        return false;
    QProgressBar* bar = m_wizard.progressBar();
    bar->setValue(0);
    bar->setVisible(true);
    m_projectId = item->data(Qt::UserRole).toInt();
    const SoapCallResult result = callServer(session, exportProjectCall(m_projectId));
    if (!session.CheckSoapOutcome(result)) {
        bar->setVisible(false);
        recordFailure(result);
        return false;
    }
    state.ExportedProjectName = item->text();
    state.LastStepFailed = false;
    state.LastErrorText.clear();
    // Without a screen (the offscreen platform of unattended runs and tests) no program can show the
    // plan: it is only saved.
    MsProjectAutomation::DocumentOpener open;
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        open = [this](const QString& path) { return openPlanFile(path); };
    if (!OpenXmlInMsProject(result.result.toString(), MsProjectAutomation::instance(), open)) {
        // The server's part went through, but nothing shows the plan: the final page says so.
        state.LastStepFailed = true;
        state.LastErrorText = GetLocalizedText(5055);
    }
    bar->setVisible(false);
    return true;
}

bool MsProjectJobs::openPlanFile(const QString& path)
{
    DesktopShell& desktop = m_wizard.desktopShell();
    switch (desktop.openDocument(path)) {
    case DesktopShell::OpenResult::Opened:
        return true;
    case DesktopShell::OpenResult::NoAssociation:
        return desktop.chooseProgramAndOpen(path, &m_wizard);
    default:
        return false;
    }
}

QString MsProjectJobs::failureText(const SoapCallResult& result) const
{
    const SoapSession& session = m_wizard.session();
    if (!session.SoapErrorText.isEmpty())
        return session.SoapErrorText;
    if (result.raisedError())
        return !result.faultString.isEmpty() ? result.faultString : GetLocalizedText(5005);
    const OrvProjectSoapClient* header = session.soapheader();
    return header ? header->ServerErrorMessage : QString();
}

void MsProjectJobs::recordFailure(const SoapCallResult& result)
{
    WizardState& state = m_wizard.state();
    state.LastStepFailed = true;
    state.LastErrorText = failureText(result);
}

void MsProjectJobs::unloadUserChoiceDialog()
{
    m_assignments->unloadChooser();
}

} // namespace kitbench
