#include "items/ProjectDescriptionPage.h"

#include "items/PageWidgets.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace kitbench {

ProjectDescriptionPage::ProjectDescriptionPage(QWidget* parent)
    : WizardPage(9, 0, QStringLiteral("Step 2-7-1 Project Description"), parent)
{
    Label59 = makeHeading(this, "Label59", 2751, QStringLiteral("Step 2-7-1 Project Description"));

    lblProjectDescription =
        makeFieldLabel(this, "lblProjectDescription", 2752, QStringLiteral("Description:"));
    ProjectDescriptionText = makeMultiLineText(this, "ProjectDescriptionText");
    lblProjectGoals = makeFieldLabel(this, "lblProjectGoals", 2753, QStringLiteral("Goals:"));
    ProjectGoalsText = makeMultiLineText(this, "ProjectGoalsText");
    lblProjectScope = makeFieldLabel(this, "lblProjectScope", 2754, QStringLiteral("Scope:"));
    ProjectScopeText = makeMultiLineText(this, "ProjectScopeText");
    lblProjectDeliverables =
        makeFieldLabel(this, "lblProjectDeliverables", 2755, QStringLiteral("Deliverables:"));
    ProjectDeliverablesText = makeMultiLineText(this, "ProjectDeliverablesText");

    // Four boxes of equal height, each with its caption at its top left.
    auto* fields = new QGridLayout;
    fields->setColumnStretch(1, 1);
    const QList<QPair<QLabel*, QPlainTextEdit*>> rows = {{lblProjectDescription, ProjectDescriptionText},
                                                         {lblProjectGoals, ProjectGoalsText},
                                                         {lblProjectScope, ProjectScopeText},
                                                         {lblProjectDeliverables, ProjectDeliverablesText}};
    for (int row = 0; row < rows.size(); ++row) {
        rows[row].first->setBuddy(rows[row].second);
        fields->addWidget(rows[row].first, row, 0, Qt::AlignLeft | Qt::AlignTop);
        fields->addWidget(rows[row].second, row, 1);
        fields->setRowStretch(row, 1);
    }

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label59);
    page->addLayout(fields, 1);
}

QWidget* ProjectDescriptionPage::firstField() const
{
    return ProjectDescriptionText;
}

void ProjectDescriptionPage::setLocked(bool busy)
{
    m_lock.apply(this, lockableControls(), busy);
}

void ProjectDescriptionPage::resetPage()
{
    ProjectDescriptionText->clear();
    ProjectGoalsText->clear();
    ProjectScopeText->clear();
    ProjectDeliverablesText->clear();
}

} // namespace kitbench
