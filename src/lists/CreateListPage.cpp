#include "shell/RunMode.h"
#include "shell/WizardState.h"
#include "lists/CreateListPage.h"

#include "shell/Controls.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
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

QComboBox* makeCombo(QWidget* parent, const char* name)
{
    auto* combo = makeControl<QComboBox>(parent, name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(10);
    return combo;
}

} // namespace

CreateListPage::CreateListPage(QWidget* parent)
    : WizardPage(14, 0, QStringLiteral("Step 2-10 Create List"), parent)
{
    Label52 = makeHeading(this, "Label52", 3107, QStringLiteral("Create List"));

    ListTitleText = makeControl<QLineEdit>(this, "ListTitleText");
    ListTypeCombo = makeCombo(this, "ListTypeCombo");
    ListStatusCombo = makeCombo(this, "ListStatusCombo");
    ListTemplateCombo = makeCombo(this, "ListTemplateCombo");
    ListDescriptionText = makeControl<QPlainTextEdit>(this, "ListDescriptionText");
    ListDescriptionText->setTabChangesFocus(true);
    // Room for three lines: the lists below get the rest of the page.
    ListDescriptionText->setFixedHeight(ListDescriptionText->fontMetrics().lineSpacing() * 3 + 12);

    ListCategoriesListView = makeControl<QTreeWidget>(this, "ListCategoriesListView");
    ListCategoriesListView->setHeaderHidden(true);
    ListCategoriesListView->setColumnCount(1);
    ListCategoriesListView->setRootIsDecorated(false);
    ListCategoriesListView->setItemsExpandable(false);

    ListFolderTreeView = makeControl<QTreeWidget>(this, "ListFolderTreeView");
    ListFolderTreeView->setHeaderHidden(true);
    ListFolderTreeView->setColumnCount(1);
    ListFolderTreeView->setSelectionMode(QAbstractItemView::SingleSelection);

    // A picture button: the icon says "new folder", the tooltip names it.
    AddNewListFolderCommand = makeControl<QPushButton>(this, "AddNewListFolderCommand");
    AddNewListFolderCommand->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    AddNewListFolderCommand->setToolTip(QStringLiteral("New Folder"));
    AddNewListFolderCommand->setProperty(kToolTipTextIdProperty, 9300);
    AddNewListFolderCommand->setEnabled(false);

    lblListTitle = fieldLabel(this, "lblListTitle", 3102, QStringLiteral("Title:"), ListTitleText);
    lblListType = fieldLabel(this, "lblListType", 3103, QStringLiteral("Type:"), ListTypeCombo);
    lblListStatus = fieldLabel(this, "lblListStatus", 3104, QStringLiteral("Status:"), ListStatusCombo);
    lblListTemplate =
        fieldLabel(this, "lblListTemplate", 3105, QStringLiteral("Define List Fields:"), ListTemplateCombo);
    lblListDescription =
        fieldLabel(this, "lblListDescription", 3106, QStringLiteral("Description:"), ListDescriptionText);
    lblListCategories =
        fieldLabel(this, "lblListCategories", 3110, QStringLiteral("Category:"), ListCategoriesListView);
    lblListFolder =
        fieldLabel(this, "lblListFolder", 3111, QStringLiteral("Parent Folder:"), ListFolderTreeView);

    auto* fields = new QGridLayout;
    fields->addWidget(lblListTitle, 0, 0);
    fields->addWidget(ListTitleText, 0, 1, 1, 3);
    fields->addWidget(lblListType, 1, 0);
    fields->addWidget(ListTypeCombo, 1, 1);
    fields->addWidget(lblListStatus, 1, 2);
    fields->addWidget(ListStatusCombo, 1, 3);
    fields->addWidget(lblListTemplate, 2, 0);
    fields->addWidget(ListTemplateCombo, 2, 1, 1, 3);
    fields->addWidget(lblListDescription, 3, 0, Qt::AlignTop);
    fields->addWidget(ListDescriptionText, 3, 1, 1, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(ListFolderTreeView, 1);
    folderRow->addWidget(AddNewListFolderCommand, 0, Qt::AlignTop);

    auto* lists = new QGridLayout;
    lists->addWidget(lblListCategories, 0, 0);
    lists->addWidget(ListCategoriesListView, 1, 0);
    lists->addWidget(lblListFolder, 0, 1);
    lists->addLayout(folderRow, 1, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);
    lists->setRowStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label52);
    layout->addLayout(fields);
    layout->addLayout(lists, 1);

    // Any folder may receive a new sub-folder; whether it may receive the list is checked on Next.
    connect(ListFolderTreeView, &QTreeWidget::itemClicked, this,
            [this] { AddNewListFolderCommand->setEnabled(true); });
}

QWidget* CreateListPage::firstField() const
{
    return ListTitleText;
}

void CreateListPage::setLocked(bool busy)
{
    const bool templateEnabled = ListTemplateCombo->isEnabledTo(this);
    const bool wasLocked = m_locked;
    if (busy && !wasLocked)
        m_templateEnabledBeforeLock = templateEnabled;
    m_locked = busy;
    WizardPage::setLocked(busy);
    if (!busy)
        ListTemplateCombo->setEnabled(wasLocked ? m_templateEnabledBeforeLock : templateEnabled);
}

void CreateListPage::resetPage()
{
    ListTitleText->clear();
    ListDescriptionText->clear();
    ListTypeCombo->setCurrentIndex(ListTypeCombo->count() > 0 ? 0 : -1);
    ListStatusCombo->setCurrentIndex(ListStatusCombo->count() > 0 ? 0 : -1);
    ListTemplateCombo->setCurrentIndex(ListTemplateCombo->count() > 0 ? 0 : -1);
    ListFolderTreeView->clearSelection();
    ListFolderTreeView->setCurrentItem(nullptr);
    AddNewListFolderCommand->setEnabled(false);
}

QList<QWidget*> CreateListPage::lockableControls() const
{
    return {ListTitleText, ListDescriptionText, ListFolderTreeView,
            ListTypeCombo, ListStatusCombo,     ListTemplateCombo};
}

void CreateListPage::prepareEntry(const WizardState& state, int /*direction*/)
{
    ListTemplateCombo->setEnabled(state.RunMode != IMPORTLIST);
}

} // namespace kitbench
