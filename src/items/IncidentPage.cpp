#include "items/IncidentPage.h"

#include "items/PageWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kitbench {

IncidentPage::IncidentPage(QWidget* parent)
    : WizardPage(2, 0, QStringLiteral("Step 2-1 Create Incident"), parent)
{
    Label6 = makeHeading(this, "Label6", 2101, QStringLiteral("Step 2-1 Create Incident"));

    lblIncidentTitle = makeFieldLabel(this, "lblIncidentTitle", 2102, QStringLiteral("Title:"));
    IncidentTitleText = makeControl<QLineEdit>(this, "IncidentTitleText");
    lblIncidentProject = makeFieldLabel(this, "lblIncidentProject", 2106, QStringLiteral("Project :"));
    IncidentProjectCombo = makeControl<QComboBox>(this, "IncidentProjectCombo");
    lblIncidentClient = makeFieldLabel(this, "lblIncidentClient", 2704, QStringLiteral("Client:"));
    IncidentClientCombo = makeControl<QComboBox>(this, "IncidentClientCombo");
    lblIncidentType = makeFieldLabel(this, "lblIncidentType", 2104, QStringLiteral("Type:"));
    IncidentTypeCombo = makeControl<QComboBox>(this, "IncidentTypeCombo");
    lblIncidentPriority = makeFieldLabel(this, "lblIncidentPriority", 2103, QStringLiteral("Priority:"));
    IncidentPriorityCombo = makeControl<QComboBox>(this, "IncidentPriorityCombo");
    lblIncidentSeverity = makeFieldLabel(this, "lblIncidentSeverity", 2105, QStringLiteral("Severity :"));
    IncidentSeverityCombo = makeControl<QComboBox>(this, "IncidentSeverityCombo");
    lblIncidentBox = makeFieldLabel(this, "lblIncidentBox", 2109, QStringLiteral("Incident Box:"));
    IncidentBoxCombo = makeControl<QComboBox>(this, "IncidentBoxCombo");
    lblIncidentDescription =
        makeFieldLabel(this, "lblIncidentDescription", 2107, QStringLiteral("Description:"));
    IncidentDescriptionText = makeMultiLineText(this, "IncidentDescriptionText");
    lblIncidentCategory = makeFieldLabel(this, "lblIncidentCategory", 2108, QStringLiteral("Category:"));
    CommandIssueCategory =
        makeEditorButton(this, "CommandIssueCategory", 9205, QStringLiteral("Edit categories"));
    IncidentCategoryListView = makeFlatListView(this, "IncidentCategoryListView");

    // Each caption is its field's buddy: screen readers name the field by it, Alt and its key go there.
    lblIncidentTitle->setBuddy(IncidentTitleText);
    lblIncidentProject->setBuddy(IncidentProjectCombo);
    lblIncidentClient->setBuddy(IncidentClientCombo);
    lblIncidentType->setBuddy(IncidentTypeCombo);
    lblIncidentPriority->setBuddy(IncidentPriorityCombo);
    lblIncidentSeverity->setBuddy(IncidentSeverityCombo);
    lblIncidentBox->setBuddy(IncidentBoxCombo);
    lblIncidentDescription->setBuddy(IncidentDescriptionText);
    lblIncidentCategory->setBuddy(IncidentCategoryListView);

    auto* fields = new QGridLayout;
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    fields->addWidget(lblIncidentTitle, 0, 0);
    fields->addWidget(IncidentTitleText, 0, 1, 1, 3);
    fields->addWidget(lblIncidentProject, 1, 0);
    fields->addWidget(IncidentProjectCombo, 1, 1);
    fields->addWidget(lblIncidentClient, 1, 2);
    fields->addWidget(IncidentClientCombo, 1, 3);
    fields->addWidget(lblIncidentType, 2, 0);
    fields->addWidget(IncidentTypeCombo, 2, 1);
    fields->addWidget(lblIncidentPriority, 2, 2);
    fields->addWidget(IncidentPriorityCombo, 2, 3);
    fields->addWidget(lblIncidentSeverity, 3, 0);
    fields->addWidget(IncidentSeverityCombo, 3, 1);
    fields->addWidget(lblIncidentBox, 3, 2);
    fields->addWidget(IncidentBoxCombo, 3, 3);

    // Description and categories share the rest of the page side by side.
    auto* lists = new QGridLayout;
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 2);
    lists->setRowStretch(1, 1);
    lists->addWidget(lblIncidentDescription, 0, 0);
    auto* categoryCaption = new QHBoxLayout;
    categoryCaption->addWidget(lblIncidentCategory, 1);
    categoryCaption->addWidget(CommandIssueCategory);
    lists->addLayout(categoryCaption, 0, 1);
    lists->addWidget(IncidentDescriptionText, 1, 0);
    lists->addWidget(IncidentCategoryListView, 1, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label6);
    page->addLayout(fields);
    page->addLayout(lists, 1);
}

QWidget* IncidentPage::firstField() const
{
    return IncidentTitleText;
}

void IncidentPage::setLocked(bool busy)
{
    m_lock.apply(this, lockableControls(), busy);
}

} // namespace kitbench
