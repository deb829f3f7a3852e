#include "calendar/CalendarExportPage.h"

#include "shell/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kitbench {

namespace {

QLabel* fieldLabel(QWidget* parent, const char* name, int textId, const QString& designText, QWidget* field)
{
    QLabel* label = makeLabel(parent, name, textId, designText);
    label->setWordWrap(false);
    label->setBuddy(field);
    return label;
}

} // namespace

CalendarExportPage::CalendarExportPage(QWidget* parent)
    : WizardPage(13, 0, QStringLiteral("Step 2-9 Export Calendar"), parent)
{
    Label72 = makeHeading(this, "Label72", 2901, QStringLiteral("Export Calendar to Outlook"));
    lblCalendarIntro = makeLabel(
        this, "lblCalendarIntro", 2902,
        QStringLiteral("Please select synchronization period that includes all exported calendar entries."));

    CheckSyncEvents =
        makeControl<QCheckBox>(this, "CheckSyncEvents", 2919, QStringLiteral("Synchronize Events"));
    CheckSyncTasks =
        makeControl<QCheckBox>(this, "CheckSyncTasks", 2920, QStringLiteral("Synchronize Tasks"));
    CheckSyncToDos =
        makeControl<QCheckBox>(this, "CheckSyncToDos", 2921, QStringLiteral("Synchronize ToDos"));
    CheckSyncEvents->setChecked(true);
    CheckSyncTasks->setChecked(true);
    CheckSyncToDos->setChecked(true);

    ExportCalendarTimeFilterCombo = makeControl<QComboBox>(this, "ExportCalendarTimeFilterCombo");
    ExportCalendarTimeFilterCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ExportCalendarStartDateDTPicker = makeDatePicker(this, "ExportCalendarStartDateDTPicker");
    ExportCalendarFinishDateDTPicker = makeDatePicker(this, "ExportCalendarFinishDateDTPicker");

    lblCalendarPeriod =
        fieldLabel(this, "lblCalendarPeriod", 2903, QStringLiteral("Period:"), ExportCalendarTimeFilterCombo);
    lblCalendarStartDate = fieldLabel(this, "lblCalendarStartDate", 2904, QStringLiteral("Start Date:"),
                                      ExportCalendarStartDateDTPicker);
    lblCalendarFinishDate = fieldLabel(this, "lblCalendarFinishDate", 2905, QStringLiteral("Finish Date:"),
                                       ExportCalendarFinishDateDTPicker);

    lblCalendarHint = makeLabel(this, "lblCalendarHint", 2906, QStringLiteral("To continue, click Next."));

    auto* fields = new QGridLayout;
    fields->addWidget(lblCalendarPeriod, 0, 0);
    fields->addWidget(ExportCalendarTimeFilterCombo, 0, 1);
    fields->addWidget(lblCalendarStartDate, 1, 0);
    fields->addWidget(ExportCalendarStartDateDTPicker, 1, 1);
    fields->addWidget(lblCalendarFinishDate, 2, 0);
    fields->addWidget(ExportCalendarFinishDateDTPicker, 2, 1);
    fields->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label72);
    layout->addWidget(lblCalendarIntro);
    layout->addSpacing(6);
    layout->addWidget(CheckSyncEvents);
    layout->addWidget(CheckSyncTasks);
    layout->addWidget(CheckSyncToDos);
    layout->addSpacing(12);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addWidget(lblCalendarHint);
}

bool CalendarExportPage::customPeriodSelected() const
{
    return ExportCalendarTimeFilterCombo->currentIndex() == ExportCalendarTimeFilterCombo->count() - 1;
}

void CalendarExportPage::setLocked(bool busy)
{
    WizardPage::setLocked(busy);
    if (!busy) {
        const bool custom = customPeriodSelected();
        ExportCalendarStartDateDTPicker->setEnabled(custom);
        ExportCalendarFinishDateDTPicker->setEnabled(custom);
    }
}

QList<QWidget*> CalendarExportPage::lockableControls() const
{
    return {CheckSyncEvents,
            CheckSyncTasks,
            CheckSyncToDos,
            ExportCalendarTimeFilterCombo,
            ExportCalendarStartDateDTPicker,
            ExportCalendarFinishDateDTPicker};
}

} // namespace kitbench
