#include "items/ItemJobs.h"

#include "directory/DirectoryRequests.h"
#include "items/CreateCalls.h"
#include "items/ItemPageDefaults.h"
#include "items/ItemPageFill.h"
#include "items/ItemPageValues.h"
#include "items/LocalTimeZone.h"
#include "items/ToDoPage.h"
#include "lists/ListJobs.h"
#include "platform/Message.h"
#include "platform/soap/OrvProjectSoapClient.h"
#include "session/LoginPage.h"
#include "shell/ConnectionSettings.h"
#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QComboBox>
#include <QProgressBar>

namespace kitbench {

namespace {

bool isItemJob(int runMode)
{
    return runMode >= CREATEINCIDENT && runMode <= CREATETODO;
}

// The data page of a job, where CheckPageData looks.
int dataPageOf(int runMode)
{
    if (isItemJob(runMode))
        return 1 + runMode;
    if (runMode == CREATEPROJECT || runMode == IMPORTPROJECT)
        return 8;
    return -1;
}

} // namespace

struct ItemJobs::LastCall
{
    SoapCallResult result;
};

ItemJobs::ItemJobs(frmWizard& wizard)
    : m_wizard(wizard), m_fill(std::make_unique<ItemPageFill>(wizard)),
      m_defaults(std::make_unique<ItemPageDefaults>(wizard)),
      m_values(std::make_unique<ItemPageValues>(wizard)), m_last(std::make_unique<LastCall>())
{
    m_defaults->connectPageRules();
    auto* todo = static_cast<ToDoPage*>(m_wizard.page(5));
    QObject::connect(todo->ToDoProjectCombo, &QComboBox::activated, todo,
                     [this] { m_fill->ToDoProjectCombo_Click(); });
}

ItemJobs::~ItemJobs() = default;

bool ItemJobs::InitSoapClient()
{
    return m_wizard.session().InitSoapClient(m_wizard.loginPage()->soapLogin());
}

QString ItemJobs::loadText(const std::optional<ServerCall>& call)
{
    if (!call || m_loadFailed)
        return {};
    if (!InitSoapClient()) { // its own message has been shown
        m_loadFailed = true;
        m_initFailed = true;
        return {};
    }
    QVariantList arguments = call->arguments;
    m_last->result = m_wizard.session().call(call->method, arguments);
    if (!m_last->result.ok()) {
        m_loadFailed = true;
        return {};
    }
    const QString text = m_last->result.result.toString();
    if (text.isEmpty())
        m_loadFailed = true; // the following loads are skipped
    return text;
}

bool ItemJobs::loadForRunMode(int runMode)
{
    const bool project = runMode == CREATEPROJECT;
    const bool list = runMode == CREATELIST || runMode == IMPORTLIST;
    const bool calendar = runMode == EXPORTCALENDAR;
    if (!isItemJob(runMode) && !project && !list && !calendar)
        return true;
    WizardState& state = m_wizard.state();
    m_loadFailed = false;
    m_initFailed = false;
    m_last->result = SoapCallResult{};
    if (list)
        return ListJobs(m_wizard, *m_fill)
            .loadForRunMode(
                runMode, [this](const std::optional<ServerCall>& call) { return loadText(call); },
                [this] { return !m_initFailed && m_wizard.session().CheckSoapOutcome(m_last->result); });
    QProgressBar* bar = m_wizard.progressBar();
    if (calendar) {
        // The dictionaries alone: the period list and the profile's time zone.
        bar->setRange(0, 4);
        bar->setValue(0);
        bar->setVisible(true);
        const QString dictionaries =
            loadText(loadDictionariesCall(GetLocalizedText(12), runMode, state.ImportNewProject));
        bar->setVisible(false);
        if (m_initFailed || !m_wizard.session().CheckSoapOutcome(m_last->result))
            return false;
        m_fill->FillDictionaryControls(dictionaries);
        return true;
    }
    bar->setRange(0, project ? 8 : 12);
    bar->setValue(0);
    bar->setVisible(true);

    const QString projects = project ? QString() : loadText(projectListCall(runMode));
    const QString categories = loadText(categoryListCall(runMode, state.ImportNewProject));
    const QString dictionaries =
        loadText(loadDictionariesCall(GetLocalizedText(12), runMode, state.ImportNewProject));
    bar->setVisible(false);
    if (m_initFailed || !m_wizard.session().CheckSoapOutcome(m_last->result))
        return false;

    if (!project)
        m_fill->FillItemProjectCombos(projects);
    m_fill->FillCategoryLists(categories);
    m_fill->FillDictionaryControls(dictionaries);
    m_defaults->ResetItemPage();
    if (runMode == CREATETODO)
        m_fill->ToDoProjectCombo_Click();
    return true;
}

bool ItemJobs::checkPageData(int step)
{
    const WizardState& state = m_wizard.state();
    if (step == 14 && (state.RunMode == CREATELIST || state.RunMode == IMPORTLIST))
        return ListJobs(m_wizard, *m_fill).checkPageData();
    if (step != dataPageOf(state.RunMode))
        return true;
    const QList<int> failures = pageCheckMessages(state.RunMode, m_values->checkValues(step));
    for (int textId : failures)
        showMessage(textId);
    return failures.isEmpty();
}

bool ItemJobs::callAndKeepId(const ServerCall& call)
{
    QVariantList arguments = call.arguments;
    const SoapCallResult result = m_wizard.session().call(call.method, arguments);
    // An answer is kept even when its header then reports a refusal (the server sends 0 then).
    if (result.ok())
        m_wizard.state().CreatedObjectId = result.result.toInt();
    return m_wizard.session().CheckSoapOutcome(result);
}

bool ItemJobs::createObjectOnServer()
{
    WizardState& state = m_wizard.state();
    SoapSession& session = m_wizard.session();
    if (OrvProjectSoapClient* header = session.soapheader())
        header->ServerErrorMessage = QStringLiteral("OK");

    const CreateKind kind = createKindFor(state.RunMode, state.ImportNewProject);
    if (kind == CreateKind::ExistingProject)
        return false;
    if (kind == CreateKind::Nothing)
        return session.CheckSoapOutcome(SoapCallResult{});

    m_values->resetReadFailed();
    const QString& version = state.ServerVersion;
    std::optional<ServerCall> call;
    ProjectValues project;
    switch (kind) {
    case CreateKind::Incident:
        call = incidentCreateCall(m_values->incident(), version);
        break;
    case CreateKind::Task:
        call = taskCreateCall(m_values->task());
        break;
    case CreateKind::Event:
        call = eventCreateCall(m_values->event(), version);
        break;
    case CreateKind::ToDo:
        call = toDoCreateCall(m_values->toDo(), version);
        break;
    case CreateKind::List:
        call = listCreateCall(m_values->list());
        break;
    case CreateKind::Project:
        project = m_values->project();
        call = projectCreateCall(project, version);
        break;
    default:
        break;
    }
    if (!call || m_values->readFailed()) {
        // A value that cannot be read (no entry selected, a key without a number) fails like a call.
        SoapCallResult failed;
        failed.status = SoapCallResult::Status::Raised;
        return session.CheckSoapOutcome(failed);
    }

    const std::optional<ServerCall> templateCall =
        kind == CreateKind::Project ? projectTemplateCall(project, version, 0) : std::nullopt;
    QProgressBar* bar = m_wizard.progressBar();
    bar->setRange(0, templateCall ? 8 : 4);
    bar->setValue(0);
    bar->setVisible(true);
    bool created = callAndKeepId(*call);
    if (created && templateCall) {
        bar->setValue(bar->value() / 4 * 4 + 4);
        // The template goes onto the project just created.
        const std::optional<ServerCall> apply = projectTemplateCall(project, version, state.CreatedObjectId);
        QVariantList arguments = apply->arguments;
        created = session.CheckSoapOutcome(session.call(apply->method, arguments));
    }
    bar->setVisible(false);
    return created;
}

void ItemJobs::resetItemPages()
{
    m_defaults->ResetItemPage();
    if (m_wizard.state().RunMode == CREATETODO)
        m_fill->ToDoProjectCombo_Click();
}

} // namespace kitbench
