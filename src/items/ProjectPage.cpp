#include "items/ProjectPage.h"

#include "items/PageWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kitbench {

ProjectPage::ProjectPage(QWidget* parent)
    : WizardPage(8, 0, QStringLiteral("Step 2-7 Create Project"), parent)
{
    Label49 = makeHeading(this, "Label49", 2701, QStringLiteral("Step 2-7 Create Project"));

    lblProjectTitle = makeFieldLabel(this, "lblProjectTitle", 2702, QStringLiteral("Title:"));
    ProjectTitleText = makeControl<QLineEdit>(this, "ProjectTitleText");
    lblProjectType = makeFieldLabel(this, "lblProjectType", 2703, QStringLiteral("Type:"));
    ProjectTypeCombo = makeControl<QComboBox>(this, "ProjectTypeCombo");
    lblProjectStatus = makeFieldLabel(this, "lblProjectStatus", 2710, QStringLiteral("Status:"));
    ProjectStatusCombo = makeControl<QComboBox>(this, "ProjectStatusCombo");
    lblProjectClient = makeFieldLabel(this, "lblProjectClient", 2704, QStringLiteral("Client:"));
    ProjectClientCombo = makeControl<QComboBox>(this, "ProjectClientCombo");
    CommandAddClient = makeEditorButton(this, "CommandAddClient", 9206, QStringLiteral("Edit clients"));
    lblProjectCalendar = makeFieldLabel(this, "lblProjectCalendar", 2707, QStringLiteral("Calendar:"));
    ProjectCalendarCombo = makeControl<QComboBox>(this, "ProjectCalendarCombo");
    lblProjectManager = makeFieldLabel(this, "lblProjectManager", 2708, QStringLiteral("Manager:"));
    ProjectManagerCombo = makeControl<QComboBox>(this, "ProjectManagerCombo");
    lblProjectExecutive =
        makeFieldLabel(this, "lblProjectExecutive", 2709, QStringLiteral("Executeve Manager:"));
    ProjectExecutiveCombo = makeControl<QComboBox>(this, "ProjectExecutiveCombo");
    lblProjectStartDate = makeFieldLabel(this, "lblProjectStartDate", 2705, QStringLiteral("Start Date:"));
    ProjectStartDateDayDTPicker = makeDatePicker(this, "ProjectStartDateDayDTPicker");
    ProjectStartDateTimeDTPicker = makeTimePicker(this, "ProjectStartDateTimeDTPicker");
    lblProjectEndDate = makeFieldLabel(this, "lblProjectEndDate", 2706, QStringLiteral("Finish Date:"));
    ProjectEndtDateDayDTPicker = makeDatePicker(this, "ProjectEndtDateDayDTPicker");
    ProjectEndDateTimeDTPicker = makeTimePicker(this, "ProjectEndDateTimeDTPicker");
    // The time pickers share their row's caption with the day pickers; screen readers hear which is which.
    setAccessibleNameTextIds(ProjectStartDateTimeDTPicker, {2705, 9711});
    setAccessibleNameTextIds(ProjectEndDateTimeDTPicker, {2706, 9711});
    lblPriority = makeFieldLabel(this, "lblPriority", 2758, QStringLiteral("Priority:"));
    ProjectPriorityCombo = makeControl<QComboBox>(this, "ProjectPriorityCombo");
    lblProjectCurrency = makeFieldLabel(this, "lblProjectCurrency", 2756, QStringLiteral("Currency:"));
    ProjectCurrencyCombo = makeControl<QComboBox>(this, "ProjectCurrencyCombo");
    lblTemplate = makeFieldLabel(this, "lblTemplate", 2757, QStringLiteral("Template:"));
    ProjectTemplateCombo = makeControl<QComboBox>(this, "ProjectTemplateCombo");
    lblPhase = makeFieldLabel(this, "lblPhase", 2760, QStringLiteral("Phase:"));
    ProjectPhaseCombo = makeControl<QComboBox>(this, "ProjectPhaseCombo");
    lblProjectCategory =
        makeFieldLabel(this, "lblProjectCategory", 2711, QStringLiteral("Project Category:"));
    CommandAddProjectCategory =
        makeEditorButton(this, "CommandAddProjectCategory", 9205, QStringLiteral("Edit categories"));
    ProjectCatagoryListView = makeFlatListView(this, "ProjectCatagoryListView");
    lblPortfolio = makeFieldLabel(this, "lblPortfolio", 2759, QStringLiteral("Portfolio:"));
    ProjectPortfolioListView = makeFlatListView(this, "ProjectPortfolioListView");

    // Many fields on one page: keep the rows tight so the two lists keep room for a few entries.
    // Each caption is its field's buddy: screen readers name the field by it, Alt and its key go there.
    lblProjectTitle->setBuddy(ProjectTitleText);
    lblProjectType->setBuddy(ProjectTypeCombo);
    lblProjectStatus->setBuddy(ProjectStatusCombo);
    lblProjectClient->setBuddy(ProjectClientCombo);
    lblProjectCalendar->setBuddy(ProjectCalendarCombo);
    lblProjectManager->setBuddy(ProjectManagerCombo);
    lblProjectExecutive->setBuddy(ProjectExecutiveCombo);
    lblProjectStartDate->setBuddy(ProjectStartDateDayDTPicker);
    lblProjectEndDate->setBuddy(ProjectEndtDateDayDTPicker);
    lblPriority->setBuddy(ProjectPriorityCombo);
    lblProjectCurrency->setBuddy(ProjectCurrencyCombo);
    lblTemplate->setBuddy(ProjectTemplateCombo);
    lblPhase->setBuddy(ProjectPhaseCombo);
    lblProjectCategory->setBuddy(ProjectCatagoryListView);
    lblPortfolio->setBuddy(ProjectPortfolioListView);

    auto* fields = new QGridLayout;
    fields->setVerticalSpacing(4);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    fields->addWidget(lblProjectTitle, 0, 0);
    fields->addWidget(ProjectTitleText, 0, 1, 1, 3);
    fields->addWidget(lblProjectType, 1, 0);
    fields->addWidget(ProjectTypeCombo, 1, 1);
    fields->addWidget(lblProjectStatus, 1, 2);
    fields->addWidget(ProjectStatusCombo, 1, 3);
    fields->addWidget(lblProjectClient, 2, 0);
    auto* clientRow = new QHBoxLayout;
    clientRow->addWidget(ProjectClientCombo, 1);
    clientRow->addWidget(CommandAddClient);
    fields->addLayout(clientRow, 2, 1);
    fields->addWidget(lblProjectCalendar, 2, 2);
    fields->addWidget(ProjectCalendarCombo, 2, 3);
    fields->addWidget(lblProjectManager, 3, 0);
    fields->addWidget(ProjectManagerCombo, 3, 1);
    fields->addWidget(lblProjectExecutive, 3, 2);
    fields->addWidget(ProjectExecutiveCombo, 3, 3);
    fields->addWidget(lblProjectStartDate, 4, 0);
    fields->addLayout(makeDateTimeRow(ProjectStartDateDayDTPicker, ProjectStartDateTimeDTPicker), 4, 1);
    fields->addWidget(lblProjectEndDate, 4, 2);
    fields->addLayout(makeDateTimeRow(ProjectEndtDateDayDTPicker, ProjectEndDateTimeDTPicker), 4, 3);
    fields->addWidget(lblPriority, 5, 0);
    fields->addWidget(ProjectPriorityCombo, 5, 1);
    fields->addWidget(lblProjectCurrency, 5, 2);
    fields->addWidget(ProjectCurrencyCombo, 5, 3);
    fields->addWidget(lblTemplate, 6, 0);
    fields->addWidget(ProjectTemplateCombo, 6, 1);
    fields->addWidget(lblPhase, 6, 2);
    fields->addWidget(ProjectPhaseCombo, 6, 3);

    auto* lists = new QGridLayout;
    lists->setVerticalSpacing(4);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);
    lists->setRowStretch(1, 1);
    auto* categoryCaption = new QHBoxLayout;
    categoryCaption->addWidget(lblProjectCategory, 1);
    categoryCaption->addWidget(CommandAddProjectCategory);
    lists->addLayout(categoryCaption, 0, 0);
    lists->addWidget(lblPortfolio, 0, 1);
    lists->addWidget(ProjectCatagoryListView, 1, 0);
    lists->addWidget(ProjectPortfolioListView, 1, 1);

    auto* page = new QVBoxLayout(this);
    page->setSpacing(4);
    page->addWidget(Label49);
    page->addLayout(fields);
    page->addLayout(lists, 1);
}

QWidget* ProjectPage::firstField() const
{
    return ProjectTitleText;
}

void ProjectPage::setLocked(bool busy)
{
    m_lock.apply(this, lockableControls(), busy);
}

} // namespace kitbench
