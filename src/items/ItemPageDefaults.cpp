#include "items/ItemPageDefaults.h"

#include "directory/DictionaryEntries.h"
#include "items/CreateCalls.h"
#include "items/EventPage.h"
#include "items/IncidentPage.h"
#include "items/ProjectPage.h"
#include "items/TaskPage.h"
#include "items/ToDoPage.h"
#include "people/TeamPage.h"
#include "shell/RunMode.h"
#include "shell/frmWizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace kitbench {

namespace {

// Selects `index` when the combo box has such an entry (an empty list stays without selection).
void selectIndex(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index < combo->count() ? index : -1);
}

QTime hourAndMinute(const QDateTime& value)
{
    return QTime(value.time().hour(), value.time().minute());
}

} // namespace

QDateTime startOfDay(const QDateTime& now)
{
    return QDateTime(now.date(), QTime(0, 0));
}

ItemPageDefaults::ItemPageDefaults(frmWizard& wizard) : m_wizard(wizard) {}

void ItemPageDefaults::connectPageRules()
{
    if (m_connected)
        return;
    m_connected = true;
    auto* task = static_cast<TaskPage*>(m_wizard.page(3));
    auto* todo = static_cast<ToDoPage*>(m_wizard.page(5));
    QObject::connect(task->TaskIsMilestoneCheck, &QCheckBox::clicked, task,
                     [this] { TaskIsMilestoneCheck_Click(); });
    QObject::connect(todo->StartDateEnable, &QCheckBox::clicked, todo, [this] { StartDateEnable_Click(); });
    QObject::connect(todo->FinishDateEnable, &QCheckBox::clicked, todo, [this] { FinishDateEnable_Click(); });
}

void ItemPageDefaults::StartDateEnable_Click()
{
    auto* todo = static_cast<ToDoPage*>(m_wizard.page(5));
    const bool on = todo->StartDateEnable->isChecked();
    todo->ToDoStartDateDayDTPicker->setEnabled(on);
    todo->ToDoStartDateTimeDTPicker->setEnabled(on);
}

void ItemPageDefaults::FinishDateEnable_Click()
{
    auto* todo = static_cast<ToDoPage*>(m_wizard.page(5));
    const bool on = todo->FinishDateEnable->isChecked();
    todo->ToDoEndDateDayDTPicker->setEnabled(on);
    todo->ToDoEndDateTimeDTPicker->setEnabled(on);
}

void ItemPageDefaults::TaskIsMilestoneCheck_Click()
{
    auto* task = static_cast<TaskPage*>(m_wizard.page(3));
    const bool milestone = task->TaskIsMilestoneCheck->isChecked();
    task->TaskEndDateDayDTPicker->setEnabled(!milestone);
    task->TaskEndDateTimeDTPicker->setEnabled(!milestone);
}

void ItemPageDefaults::ResetItemPage(const QDateTime& now)
{
    static_cast<TeamPage*>(m_wizard.page(18))->MustConfirmedCheck->setChecked(false);
    const WizardState& state = m_wizard.state();
    switch (state.RunMode) {
    case CREATEINCIDENT:
        resetIncident();
        break;
    case CREATETASK:
        resetTask(now);
        break;
    case CREATEEVENT:
        resetEvent(now);
        break;
    case CREATETODO:
        resetToDo(now);
        break;
    case CREATEPROJECT:
        resetProject(now);
        break;
    case IMPORTPROJECT:
        if (state.ImportNewProject)
            resetProject(now);
        break;
    default:
        break;
    }
}

void ItemPageDefaults::resetIncident()
{
    auto* page = static_cast<IncidentPage*>(m_wizard.page(2));
    page->IncidentTitleText->clear();
    page->IncidentDescriptionText->clear();
    selectIndex(page->IncidentPriorityCombo, 1);
    selectIndex(page->IncidentTypeCombo, 0);
    selectIndex(page->IncidentSeverityCombo, 0);
    selectIndex(page->IncidentProjectCombo, 0);
    if (!serverHasClients(m_wizard.state().ServerVersion)) {
        page->IncidentSeverityCombo->setEnabled(false);
        page->IncidentBoxCombo->setEnabled(false);
        return;
    }
    page->IncidentSeverityCombo->setEnabled(true);
    selectIndex(page->IncidentSeverityCombo, 0);
    if (page->IncidentBoxCombo->count() > 0) {
        page->IncidentBoxCombo->setEnabled(true);
        selectIndex(page->IncidentBoxCombo, 0);
    }
}

void ItemPageDefaults::resetTask(const QDateTime& now)
{
    auto* page = static_cast<TaskPage*>(m_wizard.page(3));
    page->TaskTitleText->clear();
    page->TaskDescriptionText->clear();
    selectIndex(page->TaskProjectCombo, 0);
    const QDateTime start = startOfDay(now);
    page->TaskStartDateDayDTPicker->setDateTime(start);
    page->TaskEndDateDayDTPicker->setDateTime(start.addDays(1));
    page->TaskStartDateTimeDTPicker->setTime(hourAndMinute(now));
    page->TaskEndDateTimeDTPicker->setTime(hourAndMinute(now));
    selectIndex(page->TaskPriorityCombo, 1);
    selectIndex(page->TaskCompetionTypeCombo, 0);
}

void ItemPageDefaults::resetEvent(const QDateTime& now)
{
    auto* page = static_cast<EventPage*>(m_wizard.page(4));
    page->EventTitleText->clear();
    page->EventDescriptionText->clear();
    page->EventLocationText->clear();
    const QDateTime start = startOfDay(now);
    page->EventStartDateDayDTPicker->setDateTime(start);
    page->EventEndDateDayDTPicker->setDateTime(start);
    page->EventStartDateTimeDTPicker->setTime(hourAndMinute(now));
    page->EventEndDateTimeDTPicker->setTime(hourAndMinute(now.addSecs(3600)));
    selectIndex(page->EventReminderCombo, 0);
    selectIndex(page->EventProjectCombo, 0);
    selectIndex(page->EventPriorityCombo, 1);
    if (page->EventTypeCombo->count() > 0)
        selectIndex(page->EventTypeCombo, 0);
    selectIndex(page->EventManagerCombo, 0);
    page->EventClientCombo->setEnabled(serverHasClients(m_wizard.state().ServerVersion));
    static_cast<TeamPage*>(m_wizard.page(18))->AddGroupCommand->setEnabled(true);
}

void ItemPageDefaults::resetToDo(const QDateTime& now)
{
    auto* page = static_cast<ToDoPage*>(m_wizard.page(5));
    page->ToDoTitleText->clear();
    page->ToDoDescriptionText->clear();
    selectIndex(page->ToDoProjectCombo, 0);
    const QDateTime start = startOfDay(now);
    page->ToDoStartDateDayDTPicker->setDateTime(start);
    page->ToDoEndDateDayDTPicker->setDateTime(start.addDays(1));
    page->ToDoStartDateTimeDTPicker->setTime(hourAndMinute(now));
    page->ToDoEndDateTimeDTPicker->setTime(hourAndMinute(now));
    selectIndex(page->ToDoPriorityCombo, 1);
    selectIndex(page->ToDoCompetionTypeCombo, 0);
    page->StartDateEnable->setChecked(false);
    page->FinishDateEnable->setChecked(false);
    for (QDateTimeEdit* picker : {page->ToDoStartDateDayDTPicker, page->ToDoStartDateTimeDTPicker,
                                  page->ToDoEndDateDayDTPicker, page->ToDoEndDateTimeDTPicker})
        picker->setEnabled(false);
}

void ItemPageDefaults::resetProject(const QDateTime& now)
{
    auto* page = static_cast<ProjectPage*>(m_wizard.page(8));
    page->ProjectTitleText->clear();
    const QDateTime start = startOfDay(now);
    page->ProjectStartDateDayDTPicker->setDateTime(start);
    page->ProjectEndtDateDayDTPicker->setDateTime(start.addMonths(1));
    page->ProjectStartDateTimeDTPicker->setTime(hourAndMinute(now));
    page->ProjectEndDateTimeDTPicker->setTime(hourAndMinute(now));
    for (QComboBox* combo :
         {page->ProjectTypeCombo, page->ProjectClientCombo, page->ProjectCalendarCombo,
          page->ProjectExecutiveCombo, page->ProjectStatusCombo, page->ProjectCurrencyCombo})
        selectIndex(combo, 0);
    const bool versionFour = serverHasProjectTemplates(m_wizard.state().ServerVersion);
    for (QComboBox* combo :
         {page->ProjectPriorityCombo, page->ProjectTemplateCombo, page->ProjectPhaseCombo}) {
        combo->setEnabled(versionFour);
        if (versionFour)
            selectIndex(combo, 0);
    }
    page->ProjectPortfolioListView->setEnabled(versionFour);
    for (QLabel* label : {page->lblPriority, page->lblTemplate, page->lblPhase, page->lblPortfolio})
        label->setEnabled(versionFour);
}

} // namespace kitbench
