#include "items/TemplatesPage.h"

#include "items/PageWidgets.h"
#include "shell/FieldFocus.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kitbench {

TemplatesPage::TemplatesPage(QWidget* parent)
    : WizardPage(19, 0, QStringLiteral("Step 3-1 Templates"), parent)
{
    Label79 = makeHeading(this, "Label79", 1310, QStringLiteral("Step 3-1 Templates"));

    lblAssignmentsAvailable =
        makeFieldLabel(this, "lblAssignmentsAvailable", 3008, QStringLiteral("Available :"));
    lblAssignmentRole = makeFieldLabel(this, "lblAssignmentRole", 3015, QStringLiteral("Role:"));
    RolesCombo = makeControl<QComboBox>(this, "RolesCombo");
    lblAssignmentsGroup = makeFieldLabel(this, "lblAssignmentsGroup", 3009, QStringLiteral("Group:"));
    AssignmentsGroupCombo = makeControl<QComboBox>(this, "AssignmentsGroupCombo");
    Command3 = makeControl<QPushButton>(this, "Command3", 9204, QStringLiteral("Add Group"));
    Command3->setVisible(false);
    lblAssignmentSearch = makeFieldLabel(this, "lblAssignmentSearch", 3010, QStringLiteral("Search:"));
    SearchAssignmentText = makeControl<QLineEdit>(this, "SearchAssignmentText");
    keepEnterKey(SearchAssignmentText); // Enter is Find here
    FindAssignmentCommand =
        makeControl<QPushButton>(this, "FindAssignmentCommand", 3012, QStringLiteral("Find"));
    lblAssignmentUsers = makeFieldLabel(this, "lblAssignmentUsers", 3011, QStringLiteral("Users:"));
    AssignmentUsersListView = makeFlatListView(this, "AssignmentUsersListView");
    AddNewAssignmentCommand =
        makeControl<QPushButton>(this, "AddNewAssignmentCommand", 9202, QStringLiteral("Add"));
    DelAssignmentCommand =
        makeControl<QPushButton>(this, "DelAssignmentCommand", 9203, QStringLiteral("Remove"));
    lblAssignmentsSelected =
        makeFieldLabel(this, "lblAssignmentsSelected", 3007, QStringLiteral("Selected :"));
    AddedAssignmentsListView = makeFlatListView(this, "AddedAssignmentsListView");

    AssignmentUsersListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    AddedAssignmentsListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lblAssignmentRole->setBuddy(RolesCombo);
    lblAssignmentsGroup->setBuddy(AssignmentsGroupCombo);
    lblAssignmentSearch->setBuddy(SearchAssignmentText);
    lblAssignmentUsers->setBuddy(AssignmentUsersListView);
    lblAssignmentsSelected->setBuddy(AddedAssignmentsListView);

    // Available side: the role to hand out, then group and search to find the users.
    auto* filters = new QGridLayout;
    filters->setColumnStretch(1, 1);
    filters->addWidget(lblAssignmentRole, 0, 0);
    filters->addWidget(RolesCombo, 0, 1);
    filters->addWidget(lblAssignmentsGroup, 1, 0);
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(AssignmentsGroupCombo, 1);
    groupRow->addWidget(Command3);
    filters->addLayout(groupRow, 1, 1);
    filters->addWidget(lblAssignmentSearch, 2, 0);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(SearchAssignmentText, 1);
    searchRow->addWidget(FindAssignmentCommand);
    filters->addLayout(searchRow, 2, 1);

    auto* available = new QVBoxLayout;
    available->addWidget(lblAssignmentsAvailable);
    available->addLayout(filters);
    available->addWidget(lblAssignmentUsers);
    available->addWidget(AssignmentUsersListView, 1);

    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(AddNewAssignmentCommand);
    moves->addWidget(DelAssignmentCommand);
    moves->addStretch(1);

    auto* selected = new QVBoxLayout;
    selected->addWidget(lblAssignmentsSelected);
    selected->addWidget(AddedAssignmentsListView, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(available, 1);
    columns->addLayout(moves);
    columns->addLayout(selected, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label79);
    page->addLayout(columns, 1);
}

void TemplatesPage::setLocked(bool busy)
{
    m_lock.apply(this, lockableControls(), busy);
}

} // namespace kitbench
