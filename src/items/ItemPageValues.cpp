#include "items/ItemPageValues.h"

#include "items/CreateCalls.h"
#include "items/DateStrings.h"
#include "items/EventPage.h"
#include "items/IncidentPage.h"
#include "items/ProjectDescriptionPage.h"
#include "items/ProjectPage.h"
#include "items/TaskPage.h"
#include "items/TemplatesPage.h"
#include "items/ToDoPage.h"
#include "lists/CreateListPage.h"
#include "people/TeamPage.h"
#include "shell/Controls.h"
#include "shell/RunMode.h"
#include "shell/frmWizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace kitbench {

namespace {

} // namespace

QList<qint32> ItemPageValues::checkedIdsOf(const QTreeWidget* list) const
{
    const std::optional<QList<qint32>> ids = checkedIds(checkedItems(list));
    if (!ids)
        m_readFailed = true;
    return ids.value_or(QList<qint32>());
}

ItemPageValues::ItemPageValues(frmWizard& wizard) : m_wizard(wizard) {}

ComboData ItemPageValues::comboData(const QComboBox* combo)
{
    if (combo->currentIndex() < 0)
        return std::nullopt;
    bool ok = false;
    const qint32 data = combo->currentData().toInt(&ok);
    return ok ? ComboData(data) : std::nullopt;
}

QList<CheckedListItem> ItemPageValues::checkedItems(const QTreeWidget* list)
{
    QList<CheckedListItem> items;
    items.reserve(list->topLevelItemCount());
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        items.append({item->data(0, ItemKeyRole).toString(), item->checkState(0) == Qt::Checked});
    }
    return items;
}

QDateTime ItemPageValues::pageDateTime(const QDateTimeEdit* day, const QDateTimeEdit* time)
{
    return composePageDateTime(day->dateTime(), time->time());
}

QDateTime ItemPageValues::sentDateTime(const QDateTimeEdit* day, const QDateTimeEdit* time) const
{
    const WizardState& state = m_wizard.state();
    return AdjustTime(pageDateTime(day, time), state.ProfileTimeOffset, state.LocalTimeZoneOffset);
}

QList<TeamRow> ItemPageValues::teamRows() const
{
    const QTreeWidget* added = static_cast<TeamPage*>(m_wizard.page(18))->AddedResourcesListView;
    QList<TeamRow> rows;
    for (int i = 0; i < added->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = added->topLevelItem(i);
        rows.append({item->data(0, ItemKeyRole).toString(), item->data(0, ItemIconKeyRole).toString()});
    }
    return rows;
}

QList<qint32> ItemPageValues::participants() const
{
    const std::optional<QList<qint32>> ids = participantList(teamRows());
    if (!ids)
        m_readFailed = true;
    return ids.value_or(QList<qint32>());
}

IncidentValues ItemPageValues::incident() const
{
    const auto* page = static_cast<IncidentPage*>(m_wizard.page(2));
    IncidentValues v;
    v.title = page->IncidentTitleText->text();
    v.description = page->IncidentDescriptionText->toPlainText();
    v.project = comboData(page->IncidentProjectCombo);
    v.type = comboData(page->IncidentTypeCombo);
    v.priority = comboData(page->IncidentPriorityCombo);
    v.severity = comboData(page->IncidentSeverityCombo);
    v.categoryIds = checkedIdsOf(page->IncidentCategoryListView);
    v.incidentBox = comboData(page->IncidentBoxCombo);
    v.client = comboData(page->IncidentClientCombo);
    return v;
}

TaskValues ItemPageValues::task() const
{
    const auto* page = static_cast<TaskPage*>(m_wizard.page(3));
    TaskValues v;
    v.title = page->TaskTitleText->text();
    v.description = page->TaskDescriptionText->toPlainText();
    v.project = comboData(page->TaskProjectCombo);
    v.start = sentDateTime(page->TaskStartDateDayDTPicker, page->TaskStartDateTimeDTPicker);
    v.finish = sentDateTime(page->TaskEndDateDayDTPicker, page->TaskEndDateTimeDTPicker);
    v.isMilestone = page->TaskIsMilestoneCheck->isChecked();
    v.priority = comboData(page->TaskPriorityCombo);
    v.completionType = comboData(page->TaskCompetionTypeCombo);
    v.mustBeConfirmed = page->TaskConfirmByManagerCheck->isChecked();
    v.participants = participants();
    return v;
}

EventValues ItemPageValues::event() const
{
    const auto* page = static_cast<EventPage*>(m_wizard.page(4));
    EventValues v;
    v.title = page->EventTitleText->text();
    v.location = page->EventLocationText->text();
    v.description = page->EventDescriptionText->toPlainText();
    v.project = comboData(page->EventProjectCombo);
    v.organizer = comboData(page->EventManagerCombo);
    v.start = sentDateTime(page->EventStartDateDayDTPicker, page->EventStartDateTimeDTPicker);
    v.end = sentDateTime(page->EventEndDateDayDTPicker, page->EventEndDateTimeDTPicker);
    v.priority = comboData(page->EventPriorityCombo);
    v.type = comboData(page->EventTypeCombo);
    v.reminder = comboData(page->EventReminderCombo);
    v.client = comboData(page->EventClientCombo);
    v.participants = participants();
    return v;
}

ToDoValues ItemPageValues::toDo() const
{
    const auto* page = static_cast<ToDoPage*>(m_wizard.page(5));
    ToDoValues v;
    v.title = page->ToDoTitleText->text();
    v.description = page->ToDoDescriptionText->toPlainText();
    v.project = comboData(page->ToDoProjectCombo);
    v.manager = comboData(page->ToDoManagerCombo);
    v.start = sentDateTime(page->ToDoStartDateDayDTPicker, page->ToDoStartDateTimeDTPicker);
    v.finish = sentDateTime(page->ToDoEndDateDayDTPicker, page->ToDoEndDateTimeDTPicker);
    v.startEnabled = page->StartDateEnable->isChecked();
    v.finishEnabled = page->FinishDateEnable->isChecked();
    v.priority = comboData(page->ToDoPriorityCombo);
    v.completionType = comboData(page->ToDoCompetionTypeCombo);
    v.mustBeConfirmed = page->ToDoManagerConfirmCheck->isChecked();
    v.client = comboData(page->ToDoClientCombo);
    v.participants = participants();
    return v;
}

ProjectValues ItemPageValues::project() const
{
    const auto* page = static_cast<ProjectPage*>(m_wizard.page(8));
    const auto* texts = static_cast<ProjectDescriptionPage*>(m_wizard.page(9));
    ProjectValues v;
    v.title = page->ProjectTitleText->text();
    v.description = texts->ProjectDescriptionText->toPlainText();
    v.goals = texts->ProjectGoalsText->toPlainText();
    v.scope = texts->ProjectScopeText->toPlainText();
    v.deliverables = texts->ProjectDeliverablesText->toPlainText();
    v.manager = comboData(page->ProjectManagerCombo);
    v.executive = comboData(page->ProjectExecutiveCombo);
    v.start = sentDateTime(page->ProjectStartDateDayDTPicker, page->ProjectStartDateTimeDTPicker);
    v.finish = sentDateTime(page->ProjectEndtDateDayDTPicker, page->ProjectEndDateTimeDTPicker);
    v.status = comboData(page->ProjectStatusCombo);
    v.type = comboData(page->ProjectTypeCombo);
    v.calendar = comboData(page->ProjectCalendarCombo);
    v.client = comboData(page->ProjectClientCombo);
    v.currency = comboData(page->ProjectCurrencyCombo);
    v.priority = comboData(page->ProjectPriorityCombo);
    v.phase = comboData(page->ProjectPhaseCombo);
    v.templateId = comboData(page->ProjectTemplateCombo);
    v.categoryIds = checkedIdsOf(page->ProjectCatagoryListView);
    v.participants = participants();
    v.portfolioIds = checkedIdsOf(page->ProjectPortfolioListView);
    const QTreeWidget* assignments = static_cast<TemplatesPage*>(m_wizard.page(19))->AddedAssignmentsListView;
    for (int i = 0; i < assignments->topLevelItemCount(); ++i)
        v.assignmentKeys.append(assignments->topLevelItem(i)->data(0, ItemKeyRole).toString());
    return v;
}

ListValues ItemPageValues::list() const
{
    const auto* page = static_cast<CreateListPage*>(m_wizard.page(14));
    ListValues v;
    v.title = page->ListTitleText->text();
    v.description = page->ListDescriptionText->toPlainText();
    if (const QTreeWidgetItem* folder = page->ListFolderTreeView->currentItem())
        v.folderTag = folder->data(0, ItemTagRole);
    v.type = comboData(page->ListTypeCombo);
    v.status = comboData(page->ListStatusCombo);
    v.categoryIds = checkedIdsOf(page->ListCategoriesListView);
    return v;
}

PageCheckValues ItemPageValues::checkValues(int step) const
{
    PageCheckValues v;
    v.importNewProject = m_wizard.state().ImportNewProject;
    switch (step) {
    case 2:
        v.title = static_cast<IncidentPage*>(m_wizard.page(2))->IncidentTitleText->text();
        break;
    case 3: {
        const auto* page = static_cast<TaskPage*>(m_wizard.page(3));
        v.title = page->TaskTitleText->text();
        v.requiredSelected = page->TaskProjectCombo->currentIndex() >= 0;
        v.start = pageDateTime(page->TaskStartDateDayDTPicker, page->TaskStartDateTimeDTPicker);
        v.finish = pageDateTime(page->TaskEndDateDayDTPicker, page->TaskEndDateTimeDTPicker);
        v.isMilestone = page->TaskIsMilestoneCheck->isChecked();
        break;
    }
    case 4: {
        const auto* page = static_cast<EventPage*>(m_wizard.page(4));
        v.title = page->EventTitleText->text();
        v.requiredSelected = page->EventManagerCombo->currentIndex() >= 0;
        v.start = pageDateTime(page->EventStartDateDayDTPicker, page->EventStartDateTimeDTPicker);
        v.finish = pageDateTime(page->EventEndDateDayDTPicker, page->EventEndDateTimeDTPicker);
        break;
    }
    case 5: {
        const auto* page = static_cast<ToDoPage*>(m_wizard.page(5));
        v.title = page->ToDoTitleText->text();
        v.requiredSelected = page->ToDoManagerCombo->currentIndex() >= 0;
        v.start = pageDateTime(page->ToDoStartDateDayDTPicker, page->ToDoStartDateTimeDTPicker);
        v.finish = pageDateTime(page->ToDoEndDateDayDTPicker, page->ToDoEndDateTimeDTPicker);
        v.startEnabled = page->StartDateEnable->isChecked();
        v.finishEnabled = page->FinishDateEnable->isChecked();
        break;
    }
    case 8: {
        const auto* page = static_cast<ProjectPage*>(m_wizard.page(8));
        v.title = page->ProjectTitleText->text();
        v.requiredSelected = page->ProjectManagerCombo->currentIndex() >= 0;
        v.start = pageDateTime(page->ProjectStartDateDayDTPicker, page->ProjectStartDateTimeDTPicker);
        v.finish = pageDateTime(page->ProjectEndtDateDayDTPicker, page->ProjectEndDateTimeDTPicker);
        break;
    }
    default:
        break;
    }
    return v;
}

} // namespace kitbench
