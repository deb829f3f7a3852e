#pragma once

#include "items/PageLockState.h"
#include "shell/WizardPage.h"

class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace kitbench {

// Page 4, "Step 2-3 Create Event": the data of a new calendar event.
class EventPage : public WizardPage
{
    Q_OBJECT
public:
    explicit EventPage(QWidget* parent = nullptr);

    QWidget* firstField() const override;
    void setLocked(bool busy) override;

    QLabel* Label9 = nullptr; // welcome line
    QLineEdit* EventTitleText = nullptr;
    QLineEdit* EventLocationText = nullptr;
    QDateTimeEdit* EventStartDateDayDTPicker = nullptr;
    QDateTimeEdit* EventStartDateTimeDTPicker = nullptr;
    QDateTimeEdit* EventEndDateDayDTPicker = nullptr;
    QDateTimeEdit* EventEndDateTimeDTPicker = nullptr;
    QComboBox* EventProjectCombo = nullptr;
    QComboBox* EventManagerCombo = nullptr; // the organizer
    QComboBox* EventTypeCombo = nullptr;
    QComboBox* EventPriorityCombo = nullptr;
    QComboBox* EventReminderCombo = nullptr;
    QComboBox* EventClientCombo = nullptr;
    QPlainTextEdit* EventDescriptionText = nullptr;
    QTreeWidget* EventCategoryListView = nullptr;
    QPushButton* CommandAddEventCategory = nullptr;

    QLabel* lblEventTitle = nullptr;
    QLabel* lblEventLocation = nullptr;
    QLabel* lblEventStartDate = nullptr;
    QLabel* lblEventEndDate = nullptr;
    QLabel* lblEventProject = nullptr;
    QLabel* lblEventOrganizer = nullptr;
    QLabel* lblEventType = nullptr;
    QLabel* lblEventPriority = nullptr;
    QLabel* lblEventReminder = nullptr;
    QLabel* lblEventClient = nullptr;
    QLabel* lblEventDescription = nullptr;
    QLabel* lblEventCategory = nullptr;

private:
    PageLockState m_lock;
};

} // namespace kitbench
