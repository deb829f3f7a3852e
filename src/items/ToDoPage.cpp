#include "items/ToDoPage.h"

#include "items/PageWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kitbench {

ToDoPage::ToDoPage(QWidget* parent) : WizardPage(5, 0, QStringLiteral("Step 2-4 Assign ToDo"), parent)
{
    Label10 = makeHeading(this, "Label10", 2401, QStringLiteral("Step 2-4 Assign ToDo"));

    lblToDoTitle = makeFieldLabel(this, "lblToDoTitle", 2402, QStringLiteral("Title:"));
    ToDoTitleText = makeControl<QLineEdit>(this, "ToDoTitleText");
    lblToDoProject = makeFieldLabel(this, "lblToDoProject", 2403, QStringLiteral("Project :"));
    ToDoProjectCombo = makeControl<QComboBox>(this, "ToDoProjectCombo");
    lblToDoManager = makeFieldLabel(this, "lblToDoManager", 2404, QStringLiteral("Manager:"));
    ToDoManagerCombo = makeControl<QComboBox>(this, "ToDoManagerCombo");
    lblToDoPriority = makeFieldLabel(this, "lblToDoPriority", 2408, QStringLiteral("Priority:"));
    ToDoPriorityCombo = makeControl<QComboBox>(this, "ToDoPriorityCombo");
    lblToDoCompletionType =
        makeFieldLabel(this, "lblToDoCompletionType", 2410, QStringLiteral("Completion Type:"));
    ToDoCompetionTypeCombo = makeControl<QComboBox>(this, "ToDoCompetionTypeCombo");

    // The date check boxes have no caption of their own: the label before them names the date.
    lblToDoStartDate = makeFieldLabel(this, "lblToDoStartDate", 2406, QStringLiteral("Start Date:"));
    StartDateEnable = makeControl<QCheckBox>(this, "StartDateEnable");
    ToDoStartDateDayDTPicker = makeDatePicker(this, "ToDoStartDateDayDTPicker");
    ToDoStartDateTimeDTPicker = makeTimePicker(this, "ToDoStartDateTimeDTPicker");
    lblToDoEndDate = makeFieldLabel(this, "lblToDoEndDate", 2407, QStringLiteral("Finish Date:"));
    FinishDateEnable = makeControl<QCheckBox>(this, "FinishDateEnable");
    ToDoEndDateDayDTPicker = makeDatePicker(this, "ToDoEndDateDayDTPicker");
    ToDoEndDateTimeDTPicker = makeTimePicker(this, "ToDoEndDateTimeDTPicker");
    // The caption of each date row is its check box's buddy; the pickers are named after it.
    setAccessibleNameTextIds(ToDoStartDateDayDTPicker, {2406, 9712});
    setAccessibleNameTextIds(ToDoStartDateTimeDTPicker, {2406, 9711});
    setAccessibleNameTextIds(ToDoEndDateDayDTPicker, {2407, 9712});
    setAccessibleNameTextIds(ToDoEndDateTimeDTPicker, {2407, 9711});
    lblToDoStartDate->setBuddy(StartDateEnable);
    lblToDoEndDate->setBuddy(FinishDateEnable);
    // A fresh page has no dates: the check boxes are clear and the pickers off.
    for (QWidget* picker :
         {static_cast<QWidget*>(ToDoStartDateDayDTPicker), static_cast<QWidget*>(ToDoStartDateTimeDTPicker),
          static_cast<QWidget*>(ToDoEndDateDayDTPicker), static_cast<QWidget*>(ToDoEndDateTimeDTPicker)})
        picker->setEnabled(false);

    lblToDoClient = makeFieldLabel(this, "lblToDoClient", 2704, QStringLiteral("Client:"));
    ToDoClientCombo = makeControl<QComboBox>(this, "ToDoClientCombo");
    ToDoManagerConfirmCheck = makeControl<QCheckBox>(this, "ToDoManagerConfirmCheck", 2409,
                                                     QStringLiteral("Must be confirmed by Manager"));
    lblToDoDescription = makeFieldLabel(this, "lblToDoDescription", 2411, QStringLiteral("Description:"));
    ToDoDescriptionText = makeMultiLineText(this, "ToDoDescriptionText");

    // Each caption is its field's buddy: screen readers name the field by it, Alt and its key go there.
    lblToDoTitle->setBuddy(ToDoTitleText);
    lblToDoProject->setBuddy(ToDoProjectCombo);
    lblToDoManager->setBuddy(ToDoManagerCombo);
    lblToDoPriority->setBuddy(ToDoPriorityCombo);
    lblToDoCompletionType->setBuddy(ToDoCompetionTypeCombo);
    lblToDoClient->setBuddy(ToDoClientCombo);
    lblToDoDescription->setBuddy(ToDoDescriptionText);

    auto* fields = new QGridLayout;
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    fields->addWidget(lblToDoTitle, 0, 0);
    fields->addWidget(ToDoTitleText, 0, 1, 1, 3);
    fields->addWidget(lblToDoProject, 1, 0);
    fields->addWidget(ToDoProjectCombo, 1, 1);
    fields->addWidget(lblToDoManager, 1, 2);
    fields->addWidget(ToDoManagerCombo, 1, 3);
    fields->addWidget(lblToDoPriority, 2, 0);
    fields->addWidget(ToDoPriorityCombo, 2, 1);
    fields->addWidget(lblToDoCompletionType, 2, 2);
    fields->addWidget(ToDoCompetionTypeCombo, 2, 3);
    fields->addWidget(lblToDoStartDate, 3, 0);
    fields->addLayout(makeDateTimeRow(ToDoStartDateDayDTPicker, ToDoStartDateTimeDTPicker, StartDateEnable),
                      3, 1);
    fields->addWidget(lblToDoEndDate, 3, 2);
    fields->addLayout(makeDateTimeRow(ToDoEndDateDayDTPicker, ToDoEndDateTimeDTPicker, FinishDateEnable), 3,
                      3);
    fields->addWidget(lblToDoClient, 4, 0);
    fields->addWidget(ToDoClientCombo, 4, 1);
    fields->addWidget(ToDoManagerConfirmCheck, 4, 2, 1, 2);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label10);
    page->addLayout(fields);
    page->addWidget(lblToDoDescription);
    page->addWidget(ToDoDescriptionText, 1);
}

QWidget* ToDoPage::firstField() const
{
    return ToDoTitleText;
}

void ToDoPage::setLocked(bool busy)
{
    m_lock.apply(this, lockableControls(), busy);
}

} // namespace kitbench
