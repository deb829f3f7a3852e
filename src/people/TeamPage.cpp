#include "people/TeamPage.h"

#include "items/PageWidgets.h"
#include "shell/FieldFocus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kitbench {

TeamPage::TeamPage(QWidget* parent) : WizardPage(18, 0, QStringLiteral("Step 3 Manage Resources"), parent)
{
    Label11_0 = makeHeading(this, "Label11_0", 1301, QStringLiteral("Step 3 Manage Resources"));

    lblResourcesAvailable =
        makeFieldLabel(this, "lblResourcesAvailable", 3008, QStringLiteral("Available :"));
    lblResourcesGroup = makeFieldLabel(this, "lblResourcesGroup", 3009, QStringLiteral("Group:"));
    ResourcesGroupCombo = makeControl<QComboBox>(this, "ResourcesGroupCombo");
    AddGroupCommand = makeControl<QPushButton>(this, "AddGroupCommand", 9204, QStringLiteral("Add Group"));
    lblResourcesSearch = makeFieldLabel(this, "lblResourcesSearch", 3010, QStringLiteral("Search:"));
    SearchResourceText = makeControl<QLineEdit>(this, "SearchResourceText");
    keepEnterKey(SearchResourceText); // Enter is Find here
    FindCommand = makeControl<QPushButton>(this, "FindCommand", 3012, QStringLiteral("Find"));
    lblResourcesUsers = makeFieldLabel(this, "lblResourcesUsers", 3011, QStringLiteral("Users:"));
    NewResourcesListView = makeFlatListView(this, "NewResourcesListView");
    AddNewUsersCommand = makeControl<QPushButton>(this, "AddNewUsersCommand", 9202, QStringLiteral("Add"));
    DelUsersCommand = makeControl<QPushButton>(this, "DelUsersCommand", 9203, QStringLiteral("Remove"));
    lblResourcesSelected = makeFieldLabel(this, "lblResourcesSelected", 3007, QStringLiteral("Selected :"));
    AddedResourcesListView = makeFlatListView(this, "AddedResourcesListView");
    MustConfirmedCheck =
        makeControl<QCheckBox>(this, "MustConfirmedCheck", 2412, QStringLiteral("Must be confirmed"));

    NewResourcesListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    AddedResourcesListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lblResourcesGroup->setBuddy(ResourcesGroupCombo);
    lblResourcesSearch->setBuddy(SearchResourceText);
    lblResourcesUsers->setBuddy(NewResourcesListView);
    lblResourcesSelected->setBuddy(AddedResourcesListView);

    // Available side: group and search narrow the list of users below them. The group combo takes
    // the whole row whenever the Add Group button is hidden.
    auto* filters = new QGridLayout;
    filters->setColumnStretch(1, 1);
    filters->addWidget(lblResourcesGroup, 0, 0);
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(ResourcesGroupCombo, 1);
    groupRow->addWidget(AddGroupCommand);
    filters->addLayout(groupRow, 0, 1);
    filters->addWidget(lblResourcesSearch, 1, 0);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(SearchResourceText, 1);
    searchRow->addWidget(FindCommand);
    filters->addLayout(searchRow, 1, 1);

    auto* available = new QVBoxLayout;
    available->addWidget(lblResourcesAvailable);
    available->addLayout(filters);
    available->addWidget(lblResourcesUsers);
    available->addWidget(NewResourcesListView, 1);

    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(AddNewUsersCommand);
    moves->addWidget(DelUsersCommand);
    moves->addStretch(1);

    auto* selected = new QVBoxLayout;
    selected->addWidget(lblResourcesSelected);
    selected->addWidget(AddedResourcesListView, 1);
    selected->addWidget(MustConfirmedCheck);

    auto* columns = new QHBoxLayout;
    columns->addLayout(available, 1);
    columns->addLayout(moves);
    columns->addLayout(selected, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label11_0);
    page->addLayout(columns, 1);
}

QWidget* TeamPage::firstField() const
{
    return NewResourcesListView;
}

QList<QWidget*> TeamPage::lockableControls() const
{
    return {NewResourcesListView, AddedResourcesListView, AddNewUsersCommand,
            DelUsersCommand,      SearchResourceText,     FindCommand,
            ResourcesGroupCombo};
}

void TeamPage::setLocked(bool busy)
{
    const bool wasLocked = m_lock.isLocked();
    m_lock.apply(this, lockableControls(), busy);
    if (!busy && wasLocked)
        ResourcesGroupCombo->setEnabled(ResourcesGroupCombo->count() > 0);
}

} // namespace kitbench
