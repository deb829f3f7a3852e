#include "msproject/ProjectChoice.h"

#include "directory/DirectoryRequests.h"
#include "directory/ProjectList.h"
#include "items/ItemPageFill.h"
#include "msproject/ImportOptionPage.h"
#include "msproject/ProjectListPage.h"
#include "platform/Message.h"
#include "session/LoginPage.h"
#include "session/SoapSession.h"
#include "shell/RunMode.h"
#include "shell/frmWizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace kitbench {

namespace {

constexpr int kProjectListPage = 10;
constexpr int kImportOptionPage = 11;

// The list's tooltip names the entry under the mouse pointer, so long titles can be read in full.
class EntryToolTip : public QObject
{
public:
    explicit EntryToolTip(QListWidget* list) : QObject(list), m_list(list)
    {
        list->viewport()->setMouseTracking(true);
        list->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            const QListWidgetItem* item = m_list->itemAt(at);
            m_list->setToolTip(item ? item->text() : QString());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget* m_list;
};

ProjectListPage* projectListPage(frmWizard& wizard)
{
    return static_cast<ProjectListPage*>(wizard.page(kProjectListPage));
}

ImportOptionPage* importOptionPage(frmWizard& wizard)
{
    return static_cast<ImportOptionPage*>(wizard.page(kImportOptionPage));
}

} // namespace

ProjectChoice::ProjectChoice(frmWizard& wizard) : m_wizard(wizard)
{
    connectHandlers();
}

void ProjectChoice::connectHandlers()
{
    ProjectListPage* list = projectListPage(m_wizard);
    QObject::connect(list->ListProjects, &QListWidget::itemClicked, list, [this] { ListProjects_Click(); });
    QObject::connect(list->ListProjects, &QListWidget::currentRowChanged, list,
                     [this] { ListProjects_Click(); });
    new EntryToolTip(list->ListProjects);
    ImportOptionPage* option = importOptionPage(m_wizard);
    QObject::connect(option->SelectProjectCombo, &QComboBox::activated, option,
                     [this] { SelectProjectCombo_Click(); });
}

bool ProjectChoice::loadForRunMode(int runMode)
{
    if (runMode != IMPORTPROJECT && runMode != EXPORTPROJECT)
        return true;
    SoapSession& session = m_wizard.session();
    if (!session.InitSoapClient(m_wizard.loginPage()->soapLogin()))
        return false;
    QProgressBar* bar = m_wizard.progressBar();
    bar->setRange(0, 4);
    bar->setValue(0);
    bar->setVisible(true);
    const ServerCall call = projectListCall(runMode);
    QVariantList arguments = call.arguments;
    const SoapCallResult answer = session.call(call.method, arguments);
    bar->setVisible(false);
    QString& projects = m_wizard.state().ProjectsText;
    projects = answer.ok() ? answer.result.toString() : QString();
    if (runMode == IMPORTPROJECT) {
        BuildProjectsListForSelectProjectCombo(projects);
        return true;
    }
    if (!session.CheckSoapOutcome(answer))
        return false;
    BuildProjectsListForImportExport(projects);
    return true;
}

void ProjectChoice::BuildProjectsListForImportExport(const QString& xml)
{
    ProjectListPage* page = projectListPage(m_wizard);
    QListWidget* list = page->ListProjects;
    const QSignalBlocker quiet(list);
    list->clear();
    page->txtProjectDetails->clear();
    for (const ComboEntry& entry : importExportProjectEntries(xml)) {
        auto* item = new QListWidgetItem(entry.text, list);
        item->setData(Qt::UserRole, QVariant::fromValue<qint32>(entry.itemData));
    }
}

void ProjectChoice::BuildProjectsListForSelectProjectCombo(const QString& xml)
{
    ItemPageFill::fillCombo(importOptionPage(m_wizard)->SelectProjectCombo, selectProjectEntries(xml));
}

void ProjectChoice::ListProjects_Click()
{
    ProjectListPage* page = projectListPage(m_wizard);
    page->txtProjectDetails->setPlainText(
        projectDetailsText(m_wizard.state().ProjectsText, page->ListProjects->currentRow()));
}

void ProjectChoice::SelectProjectCombo_Click()
{
    ImportOptionPage* page = importOptionPage(m_wizard);
    const qint32 projectId = page->SelectProjectCombo->currentData().toInt();
    if (const std::optional<bool> enabled = msProjectSyncEnabled(m_wizard.state().ServerVersion, projectId))
        page->CheckUseMsProjectSync->setEnabled(*enabled);
}

bool ProjectChoice::checkProjectListPage()
{
    if (m_wizard.state().ImportNewProject)
        return true;
    const QListWidget* list = projectListPage(m_wizard)->ListProjects;
    if (list->count() == 0) {
        showMessage(2623);
        return false;
    }
    if (!list->currentItem() || !list->currentItem()->isSelected()) {
        showMessage(2624);
        return false;
    }
    return true;
}

} // namespace kitbench
