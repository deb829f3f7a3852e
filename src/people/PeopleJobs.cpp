#include "people/PeopleJobs.h"

#include "items/IncidentPage.h"
#include "items/TaskPage.h"
#include "items/ToDoPage.h"
#include "people/ResourceLists.h"
#include "people/TeamPage.h"
#include "people/TeamPageMode.h"
#include "shell/frmWizard.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace kitbench {

namespace {

constexpr int kTeamPage = 18;

// Any character typed while a list of the team page has the focus selects the whole list, so that
// a user can move everybody at once. Navigation keys keep their usual meaning.
class SelectAllOnKeyPress : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* list = qobject_cast<QTreeWidget*>(watched);
        if (!list || key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return QObject::eventFilter(watched, event);
        list->selectAll();
        return true;
    }
};

// The background of a text box or combo box: the window's field colour while it can be used, the
// button face while the page is bound to a project.
void setFieldBackground(QWidget* field, bool usable)
{
    QPalette palette = field->palette();
    const QPalette standard = QApplication::palette(field);
    const QPalette::ColorRole role = usable ? QPalette::Base : QPalette::Button;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::Base, standard.brush(group, role));
    field->setPalette(palette);
}

} // namespace

PeopleJobs::PeopleJobs(frmWizard& wizard)
    : m_wizard(wizard), m_queries(wizard.session()), m_handlers(std::make_unique<SelectAllOnKeyPress>())
{
    TeamPage* page = teamPage();
    QObject* context = m_handlers.get();
    QObject::connect(page->FindCommand, &QPushButton::clicked, context, [this] { FindCommand_Click(); });
    QObject::connect(page->SearchResourceText, &QLineEdit::returnPressed, context,
                     [this] { FindCommand_Click(); });
    QObject::connect(page->ResourcesGroupCombo, &QComboBox::currentIndexChanged, context,
                     [this] { ResourcesGroupCombo_Click(); });
    QObject::connect(page->AddNewUsersCommand, &QPushButton::clicked, context,
                     [this] { AddNewUsersCommand_Click(); });
    QObject::connect(page->DelUsersCommand, &QPushButton::clicked, context,
                     [this] { DelUsersCommand_Click(); });
    QObject::connect(page->AddGroupCommand, &QPushButton::clicked, context,
                     [this] { AddGroupCommand_Click(); });
    QObject::connect(page->MustConfirmedCheck, &QCheckBox::toggled, context,
                     [this] { MustConfirmedCheck_Click(); });
    QObject::connect(page->NewResourcesListView, &QTreeWidget::itemDoubleClicked, context,
                     [this] { AddNewUsersCommand_Click(); });
    QObject::connect(page->AddedResourcesListView, &QTreeWidget::itemDoubleClicked, context,
                     [this] { DelUsersCommand_Click(); });
    page->NewResourcesListView->installEventFilter(context);
    page->AddedResourcesListView->installEventFilter(context);
}

PeopleJobs::~PeopleJobs() = default;

TeamPage* PeopleJobs::teamPage() const
{
    return static_cast<TeamPage*>(m_wizard.page(kTeamPage));
}

TeamPageInputs PeopleJobs::readInputs() const
{
    const auto* incident = static_cast<IncidentPage*>(m_wizard.page(2));
    const auto* task = static_cast<TaskPage*>(m_wizard.page(3));
    const auto* toDo = static_cast<ToDoPage*>(m_wizard.page(5));
    TeamPageInputs inputs;
    inputs.runMode = m_wizard.state().RunMode;
    inputs.incidentProjectIndex = incident->IncidentProjectCombo->currentIndex();
    inputs.incidentProjectId = incident->IncidentProjectCombo->currentData().toInt();
    inputs.taskProjectId = task->TaskProjectCombo->currentData().toInt();
    inputs.toDoProjectIndex = toDo->ToDoProjectCombo->currentIndex();
    inputs.toDoProjectId = toDo->ToDoProjectCombo->currentData().toInt();
    inputs.toDoCompletionIndex = toDo->ToDoCompetionTypeCombo->currentIndex();
    inputs.resourceUserIds = m_wizard.state().ResourceUserIds;
    return inputs;
}

void PeopleJobs::setSearchControlsEnabled(bool enabled)
{
    TeamPage* page = teamPage();
    page->ResourcesGroupCombo->setEnabled(enabled);
    page->SearchResourceText->setEnabled(enabled);
    page->FindCommand->setEnabled(enabled);
    // Groups are added only to pages that are not bound to a project, and never as must-confirm.
    page->AddGroupCommand->setEnabled(enabled && !page->MustConfirmedCheck->isChecked());
    setFieldBackground(page->SearchResourceText, enabled);
    setFieldBackground(page->ResourcesGroupCombo, enabled);
}

bool PeopleJobs::LoadResourcesPage()
{
    TeamPage* page = teamPage();
    page->ResourcesGroupCombo->clear();
    page->NewResourcesListView->clear();
    page->AddedResourcesListView->clear();
    page->AddGroupCommand->hide();
    page->MustConfirmedCheck->hide();

    const TeamPageMode mode = teamPageMode(readInputs());
    m_projectBound = mode.projectBound;
    page->AddGroupCommand->setVisible(mode.showAddGroup);
    page->MustConfirmedCheck->setVisible(mode.showMustConfirm);
    setSearchControlsEnabled(!mode.projectBound);

    QProgressBar* progress = m_wizard.progressBar();
    progress->setRange(0, mode.progressMaximum());
    progress->setValue(0);

    QString preselected;
    if (mode.preselectedUsers)
        preselected = m_queries.QueryResourcesByUserList(m_wizard.state().ResourceUserIds);

    if (mode.projectBound) {
        const QString projectTeam = m_queries.QueryResourcesByProject(mode.projectId);
        FillAvailableUsers(page->NewResourcesListView, page->AddedResourcesListView, projectTeam);
        MovePreselectedUsers(page->NewResourcesListView, page->AddedResourcesListView, preselected);
        return true;
    }

    const QString groups = m_queries.QueryGroupList();
    if (groups.isEmpty())
        return false;
    FillGroups(page->ResourcesGroupCombo, groups);
    page->ResourcesGroupCombo->setCurrentIndex(0);
    FillSelectedUsers(page->AddedResourcesListView, preselected);
    if (page->ResourcesGroupCombo->count() > 0) {
        const auto firstGroup = static_cast<qint16>(page->ResourcesGroupCombo->itemData(0).toInt());
        const QString members = m_queries.QueryResourcesByGroup(firstGroup);
        FillAvailableUsers(page->NewResourcesListView, page->AddedResourcesListView, members);
    }
    return true;
}

void PeopleJobs::beginPageWork()
{
    m_wizard.LockPage(kTeamPage, true);
    m_wizard.progressBar()->setRange(0, 4);
    m_wizard.progressBar()->setValue(0);
}

void PeopleJobs::endPageWork()
{
    m_wizard.LockPage(kTeamPage, false);
}

void PeopleJobs::FindCommand_Click()
{
    TeamPage* page = teamPage();
    beginPageWork();
    const QString answer = m_queries.QueryResourcesBySubstring(page->SearchResourceText->text());
    FillAvailableUsers(page->NewResourcesListView, page->AddedResourcesListView, answer);
    endPageWork();
}

void PeopleJobs::ResourcesGroupCombo_Click()
{
    // Filling the combo while the page is prepared selects its first group; that is no user's choice.
    TeamPage* page = teamPage();
    if (m_wizard.state().CurrentStep != kTeamPage || page->ResourcesGroupCombo->currentIndex() < 0)
        return;
    const auto groupId = static_cast<qint16>(page->ResourcesGroupCombo->currentData().toInt());
    beginPageWork();
    const QString answer = m_queries.QueryResourcesByGroup(groupId);
    FillAvailableUsers(page->NewResourcesListView, page->AddedResourcesListView, answer);
    endPageWork();
}

void PeopleJobs::AddNewUsersCommand_Click()
{
    TeamPage* page = teamPage();
    QTreeWidget* available = page->NewResourcesListView;
    const QString icon =
        page->MustConfirmedCheck->isChecked() ? people::mustConfirmIcon() : people::userIcon();
    int lastMoved = -1;
    for (int i = available->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* item = available->topLevelItem(i);
        if (!item->isSelected())
            continue;
        PeopleItem moved = peopleItemOf(item);
        moved.iconKey = icon;
        addPeopleItem(page->AddedResourcesListView, moved);
        delete item;
        lastMoved = i;
    }
    // The user can go on adding from where the moved items were.
    if (lastMoved < 0 || available->topLevelItemCount() == 0)
        return;
    QTreeWidgetItem* next = available->topLevelItem(qMin(lastMoved, available->topLevelItemCount() - 1));
    available->clearSelection();
    available->setCurrentItem(next);
    next->setSelected(true);
}

void PeopleJobs::DelUsersCommand_Click()
{
    TeamPage* page = teamPage();
    QTreeWidget* selected = page->AddedResourcesListView;
    for (int i = selected->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* item = selected->topLevelItem(i);
        if (!item->isSelected())
            continue;
        // A group goes away; a user goes back to the available users as a plain user.
        PeopleItem entry = peopleItemOf(item);
        if (!entry.key.startsWith(QLatin1Char('G'))) {
            entry.iconKey = people::userIcon();
            addPeopleItem(page->NewResourcesListView, entry);
        }
        delete item;
    }
}

void PeopleJobs::AddGroupCommand_Click()
{
    TeamPage* page = teamPage();
    QComboBox* groups = page->ResourcesGroupCombo;
    if (groups->currentIndex() < 0)
        return;
    const QString key = people::groupKey(groups->currentData().toInt());
    if (findItemByKey(page->AddedResourcesListView, key))
        return;
    addPeopleItem(page->AddedResourcesListView,
                  PeopleItem{key, groups->currentText().trimmed(), people::groupIcon()});
}

void PeopleJobs::MustConfirmedCheck_Click()
{
    TeamPage* page = teamPage();
    page->AddGroupCommand->setEnabled(!m_projectBound && !page->MustConfirmedCheck->isChecked());
}

} // namespace kitbench
