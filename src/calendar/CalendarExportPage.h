#pragma once

#include "shell/WizardPage.h"

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;

namespace kitbench {

// Page 13: the kinds of calendar entries and the period handed to Outlook.
class CalendarExportPage : public WizardPage
{
    Q_OBJECT
public:
    explicit CalendarExportPage(QWidget* parent = nullptr);

    QLabel* Label72 = nullptr;
    QLabel* lblCalendarIntro = nullptr;
    QCheckBox* CheckSyncEvents = nullptr;
    QCheckBox* CheckSyncTasks = nullptr;
    QCheckBox* CheckSyncToDos = nullptr;
    QLabel* lblCalendarPeriod = nullptr;
    QComboBox* ExportCalendarTimeFilterCombo = nullptr;
    QLabel* lblCalendarStartDate = nullptr;
    QDateTimeEdit* ExportCalendarStartDateDTPicker = nullptr;
    QLabel* lblCalendarFinishDate = nullptr;
    QDateTimeEdit* ExportCalendarFinishDateDTPicker = nullptr;
    QLabel* lblCalendarHint = nullptr;

    // True when the period combo is on its last entry, the one whose dates the user sets.
    bool customPeriodSelected() const;

    // The pickers are editable only for the user's own period; unlocking keeps them disabled otherwise.
    void setLocked(bool busy) override;

protected:
    QList<QWidget*> lockableControls() const override;
};

} // namespace kitbench
