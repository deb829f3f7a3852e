#include "items/TaskPage.h"

#include "items/PageWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kitbench {

TaskPage::TaskPage(QWidget* parent) : WizardPage(3, 0, QStringLiteral("Step 2-2 Create Task"), parent)
{
    Label8 = makeHeading(this, "Label8", 2201, QStringLiteral("Step 2-2 Create Task"));

    lblTaskTitle = makeFieldLabel(this, "lblTaskTitle", 2202, QStringLiteral("Title:"));
    TaskTitleText = makeControl<QLineEdit>(this, "TaskTitleText");
    lblTaskProject = makeFieldLabel(this, "lblTaskProject", 2203, QStringLiteral("Project :"));
    TaskProjectCombo = makeControl<QComboBox>(this, "TaskProjectCombo");
    lblTaskPriority = makeFieldLabel(this, "lblTaskPriority", 2207, QStringLiteral("Priority:"));
    TaskPriorityCombo = makeControl<QComboBox>(this, "TaskPriorityCombo");
    lblTaskStartDate = makeFieldLabel(this, "lblTaskStartDate", 2204, QStringLiteral("Start Date:"));
    TaskStartDateDayDTPicker = makeDatePicker(this, "TaskStartDateDayDTPicker");
    TaskStartDateTimeDTPicker = makeTimePicker(this, "TaskStartDateTimeDTPicker");
    lblTaskEndDate = makeFieldLabel(this, "lblTaskEndDate", 2205, QStringLiteral("Finish Date:"));
    TaskEndDateDayDTPicker = makeDatePicker(this, "TaskEndDateDayDTPicker");
    TaskEndDateTimeDTPicker = makeTimePicker(this, "TaskEndDateTimeDTPicker");
    // The time pickers share their row's caption with the day pickers; screen readers hear which is which.
    setAccessibleNameTextIds(TaskStartDateTimeDTPicker, {2204, 9711});
    setAccessibleNameTextIds(TaskEndDateTimeDTPicker, {2205, 9711});
    lblTaskCompletionType =
        makeFieldLabel(this, "lblTaskCompletionType", 2208, QStringLiteral("Completion Type:"));
    TaskCompetionTypeCombo = makeControl<QComboBox>(this, "TaskCompetionTypeCombo");
    TaskIsMilestoneCheck =
        makeControl<QCheckBox>(this, "TaskIsMilestoneCheck", 2206, QStringLiteral("Is Milestone"));
    TaskConfirmByManagerCheck = makeControl<QCheckBox>(this, "TaskConfirmByManagerCheck", 2209,
                                                       QStringLiteral("Must be confirmed by Manager"));
    lblTaskDescription = makeFieldLabel(this, "lblTaskDescription", 2210, QStringLiteral("Description:"));
    TaskDescriptionText = makeMultiLineText(this, "TaskDescriptionText");
    lblTaskCategory = makeFieldLabel(this, "lblTaskCategory", 2211, QStringLiteral("Category:"));
    CommandAddTaskCategory =
        makeEditorButton(this, "CommandAddTaskCategory", 9205, QStringLiteral("Edit categories"));
    TaskCategoryListView = makeFlatListView(this, "TaskCategoryListView");

    // Each caption is its field's buddy: screen readers name the field by it, Alt and its key go there.
    lblTaskTitle->setBuddy(TaskTitleText);
    lblTaskProject->setBuddy(TaskProjectCombo);
    lblTaskPriority->setBuddy(TaskPriorityCombo);
    lblTaskStartDate->setBuddy(TaskStartDateDayDTPicker);
    lblTaskEndDate->setBuddy(TaskEndDateDayDTPicker);
    lblTaskCompletionType->setBuddy(TaskCompetionTypeCombo);
    lblTaskDescription->setBuddy(TaskDescriptionText);
    lblTaskCategory->setBuddy(TaskCategoryListView);

    auto* fields = new QGridLayout;
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    fields->addWidget(lblTaskTitle, 0, 0);
    fields->addWidget(TaskTitleText, 0, 1, 1, 3);
    fields->addWidget(lblTaskProject, 1, 0);
    fields->addWidget(TaskProjectCombo, 1, 1);
    fields->addWidget(lblTaskPriority, 1, 2);
    fields->addWidget(TaskPriorityCombo, 1, 3);
    fields->addWidget(lblTaskStartDate, 2, 0);
    fields->addLayout(makeDateTimeRow(TaskStartDateDayDTPicker, TaskStartDateTimeDTPicker), 2, 1);
    fields->addWidget(lblTaskEndDate, 2, 2);
    fields->addLayout(makeDateTimeRow(TaskEndDateDayDTPicker, TaskEndDateTimeDTPicker), 2, 3);
    fields->addWidget(lblTaskCompletionType, 3, 0);
    fields->addWidget(TaskCompetionTypeCombo, 3, 1);
    fields->addWidget(TaskIsMilestoneCheck, 3, 2, 1, 2);
    fields->addWidget(TaskConfirmByManagerCheck, 4, 2, 1, 2);

    auto* lists = new QGridLayout;
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 2);
    lists->setRowStretch(1, 1);
    lists->addWidget(lblTaskDescription, 0, 0);
    auto* categoryCaption = new QHBoxLayout;
    categoryCaption->addWidget(lblTaskCategory, 1);
    categoryCaption->addWidget(CommandAddTaskCategory);
    lists->addLayout(categoryCaption, 0, 1);
    lists->addWidget(TaskDescriptionText, 1, 0);
    lists->addWidget(TaskCategoryListView, 1, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label8);
    page->addLayout(fields);
    page->addLayout(lists, 1);
}

QWidget* TaskPage::firstField() const
{
    return TaskTitleText;
}

void TaskPage::setLocked(bool busy)
{
    m_lock.apply(this, lockableControls(), busy);
}

} // namespace kitbench
