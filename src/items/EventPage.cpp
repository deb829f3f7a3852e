#include "items/EventPage.h"

#include "items/PageWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kitbench {

EventPage::EventPage(QWidget* parent) : WizardPage(4, 0, QStringLiteral("Step 2-3 Create Event"), parent)
{
    Label9 = makeHeading(this, "Label9", 2301, QStringLiteral("Step 2-3 Create Event"));

    lblEventTitle = makeFieldLabel(this, "lblEventTitle", 2302, QStringLiteral("Title:"));
    EventTitleText = makeControl<QLineEdit>(this, "EventTitleText");
    lblEventLocation = makeFieldLabel(this, "lblEventLocation", 2303, QStringLiteral("Location:"));
    EventLocationText = makeControl<QLineEdit>(this, "EventLocationText");
    lblEventStartDate = makeFieldLabel(this, "lblEventStartDate", 2304, QStringLiteral("Start Date:"));
    EventStartDateDayDTPicker = makeDatePicker(this, "EventStartDateDayDTPicker");
    EventStartDateTimeDTPicker = makeTimePicker(this, "EventStartDateTimeDTPicker");
    lblEventEndDate = makeFieldLabel(this, "lblEventEndDate", 2305, QStringLiteral("End Date:"));
    EventEndDateDayDTPicker = makeDatePicker(this, "EventEndDateDayDTPicker");
    EventEndDateTimeDTPicker = makeTimePicker(this, "EventEndDateTimeDTPicker");
    // The time pickers share their row's caption with the day pickers; screen readers hear which is which.
    setAccessibleNameTextIds(EventStartDateTimeDTPicker, {2304, 9711});
    setAccessibleNameTextIds(EventEndDateTimeDTPicker, {2305, 9711});
    lblEventProject = makeFieldLabel(this, "lblEventProject", 2306, QStringLiteral("Project :"));
    EventProjectCombo = makeControl<QComboBox>(this, "EventProjectCombo");
    lblEventOrganizer = makeFieldLabel(this, "lblEventOrganizer", 2307, QStringLiteral("Organizer:"));
    EventManagerCombo = makeControl<QComboBox>(this, "EventManagerCombo");
    lblEventType = makeFieldLabel(this, "lblEventType", 2309, QStringLiteral("Type:"));
    EventTypeCombo = makeControl<QComboBox>(this, "EventTypeCombo");
    lblEventPriority = makeFieldLabel(this, "lblEventPriority", 2308, QStringLiteral("Priority:"));
    EventPriorityCombo = makeControl<QComboBox>(this, "EventPriorityCombo");
    lblEventReminder = makeFieldLabel(this, "lblEventReminder", 9200, QStringLiteral("Reminder:"));
    EventReminderCombo = makeControl<QComboBox>(this, "EventReminderCombo");
    lblEventClient = makeFieldLabel(this, "lblEventClient", 2704, QStringLiteral("Client:"));
    EventClientCombo = makeControl<QComboBox>(this, "EventClientCombo");
    lblEventDescription = makeFieldLabel(this, "lblEventDescription", 2310, QStringLiteral("Description:"));
    EventDescriptionText = makeMultiLineText(this, "EventDescriptionText");
    lblEventCategory = makeFieldLabel(this, "lblEventCategory", 9201, QStringLiteral("Category:"));
    CommandAddEventCategory =
        makeEditorButton(this, "CommandAddEventCategory", 9205, QStringLiteral("Edit categories"));
    EventCategoryListView = makeFlatListView(this, "EventCategoryListView");

    // Each caption is its field's buddy: screen readers name the field by it, Alt and its key go there.
    lblEventTitle->setBuddy(EventTitleText);
    lblEventLocation->setBuddy(EventLocationText);
    lblEventStartDate->setBuddy(EventStartDateDayDTPicker);
    lblEventEndDate->setBuddy(EventEndDateDayDTPicker);
    lblEventProject->setBuddy(EventProjectCombo);
    lblEventOrganizer->setBuddy(EventManagerCombo);
    lblEventType->setBuddy(EventTypeCombo);
    lblEventPriority->setBuddy(EventPriorityCombo);
    lblEventReminder->setBuddy(EventReminderCombo);
    lblEventClient->setBuddy(EventClientCombo);
    lblEventDescription->setBuddy(EventDescriptionText);
    lblEventCategory->setBuddy(EventCategoryListView);

    auto* fields = new QGridLayout;
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    fields->addWidget(lblEventTitle, 0, 0);
    fields->addWidget(EventTitleText, 0, 1, 1, 3);
    fields->addWidget(lblEventLocation, 1, 0);
    fields->addWidget(EventLocationText, 1, 1, 1, 3);
    fields->addWidget(lblEventStartDate, 2, 0);
    fields->addLayout(makeDateTimeRow(EventStartDateDayDTPicker, EventStartDateTimeDTPicker), 2, 1);
    fields->addWidget(lblEventEndDate, 2, 2);
    fields->addLayout(makeDateTimeRow(EventEndDateDayDTPicker, EventEndDateTimeDTPicker), 2, 3);
    fields->addWidget(lblEventProject, 3, 0);
    fields->addWidget(EventProjectCombo, 3, 1);
    fields->addWidget(lblEventOrganizer, 3, 2);
    fields->addWidget(EventManagerCombo, 3, 3);
    fields->addWidget(lblEventType, 4, 0);
    fields->addWidget(EventTypeCombo, 4, 1);
    fields->addWidget(lblEventPriority, 4, 2);
    fields->addWidget(EventPriorityCombo, 4, 3);
    fields->addWidget(lblEventReminder, 5, 0);
    fields->addWidget(EventReminderCombo, 5, 1);
    fields->addWidget(lblEventClient, 5, 2);
    fields->addWidget(EventClientCombo, 5, 3);

    auto* lists = new QGridLayout;
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 2);
    lists->setRowStretch(1, 1);
    lists->addWidget(lblEventDescription, 0, 0);
    auto* categoryCaption = new QHBoxLayout;
    categoryCaption->addWidget(lblEventCategory, 1);
    categoryCaption->addWidget(CommandAddEventCategory);
    lists->addLayout(categoryCaption, 0, 1);
    lists->addWidget(EventDescriptionText, 1, 0);
    lists->addWidget(EventCategoryListView, 1, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label9);
    page->addLayout(fields);
    page->addLayout(lists, 1);
}

QWidget* EventPage::firstField() const
{
    return EventTitleText;
}

void EventPage::setLocked(bool busy)
{
    m_lock.apply(this, lockableControls(), busy);
}

} // namespace kitbench
