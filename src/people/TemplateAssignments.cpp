#include "people/TemplateAssignments.h"

#include "items/ProjectPage.h"
#include "items/TemplatesPage.h"
#include "people/ResourceLists.h"
#include "people/TemplateAssignmentRows.h"
#include "shell/frmWizard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace kitbench {

namespace {

constexpr int kProjectPage = 8;
constexpr int kTemplatesPage = 19;

} // namespace

TemplateAssignments::TemplateAssignments(frmWizard& wizard)
    : m_wizard(wizard), m_queries(wizard.session()), m_handlers(std::make_unique<QObject>())
{
    TemplatesPage* page = templatesPage();
    QObject* context = m_handlers.get();
    QObject::connect(page->FindAssignmentCommand, &QPushButton::clicked, context,
                     [this] { FindAssignmentCommand_Click(); });
    QObject::connect(page->SearchAssignmentText, &QLineEdit::returnPressed, context,
                     [this] { FindAssignmentCommand_Click(); });
    QObject::connect(page->AssignmentsGroupCombo, &QComboBox::currentIndexChanged, context,
                     [this] { AssignmentsGroupCombo_Click(); });
    QObject::connect(page->AddNewAssignmentCommand, &QPushButton::clicked, context,
                     [this] { AddNewAssignmentCommand_Click(); });
    QObject::connect(page->DelAssignmentCommand, &QPushButton::clicked, context,
                     [this] { DelAssignmentCommand_Click(); });
    QObject::connect(page->AssignmentUsersListView, &QTreeWidget::itemDoubleClicked, context,
                     [this] { AddNewAssignmentCommand_Click(); });
    QObject::connect(page->AddedAssignmentsListView, &QTreeWidget::itemDoubleClicked, context,
                     [this] { DelAssignmentCommand_Click(); });
}

TemplateAssignments::~TemplateAssignments() = default;

TemplatesPage* TemplateAssignments::templatesPage() const
{
    return static_cast<TemplatesPage*>(m_wizard.page(kTemplatesPage));
}

bool TemplateAssignments::loadForChosenTemplate()
{
    const QComboBox* templates = static_cast<ProjectPage*>(m_wizard.page(kProjectPage))->ProjectTemplateCombo;
    const qint32 templateId = templates->currentIndex() < 0 ? 0 : templates->currentData().toInt();
    return LoadTemplatesPage(templateId);
}

bool TemplateAssignments::LoadTemplatesPage(qint32 templateId)
{
    if (!people::jobUsesProjectTemplates(m_wizard.state().RunMode))
        return false;
    TemplatesPage* page = templatesPage();
    page->SearchAssignmentText->clear();
    page->AssignmentsGroupCombo->clear();
    page->AssignmentUsersListView->clear();
    page->AddedAssignmentsListView->clear();
    page->RolesCombo->clear();

    QProgressBar* progress = m_wizard.progressBar();
    progress->setRange(0, kTemplatesPageLoadProgress);
    progress->setValue(0);

    FillRoles(page->RolesCombo, m_queries.QueryRoleList(templateId));
    page->RolesCombo->setCurrentIndex(page->RolesCombo->count() > 0 ? 0 : -1);

    const QString groups = m_queries.QueryGroupList();
    if (groups.isEmpty())
        return false;
    FillGroups(page->AssignmentsGroupCombo, groups);
    if (page->AssignmentsGroupCombo->count() > 0) {
        page->AssignmentsGroupCombo->setCurrentIndex(0);
        const auto firstGroup = static_cast<qint16>(page->AssignmentsGroupCombo->itemData(0).toInt());
        FillAssignmentUsers(page->AssignmentUsersListView, page->AddedAssignmentsListView,
                            m_queries.QueryResourcesByGroup(firstGroup));
    }
    return true;
}

void TemplateAssignments::beginPageWork()
{
    m_wizard.LockPage(kTemplatesPage, true);
    m_wizard.progressBar()->setRange(0, 4);
    m_wizard.progressBar()->setValue(0);
}

void TemplateAssignments::endPageWork()
{
    m_wizard.LockPage(kTemplatesPage, false);
}

void TemplateAssignments::FindAssignmentCommand_Click()
{
    TemplatesPage* page = templatesPage();
    beginPageWork();
    const QString answer = m_queries.QueryResourcesBySubstring(page->SearchAssignmentText->text());
    FillAssignmentUsers(page->AssignmentUsersListView, page->AddedAssignmentsListView, answer);
    endPageWork();
}

void TemplateAssignments::AssignmentsGroupCombo_Click()
{
    // Filling the combo while the page is loaded selects its first group; that is no user's choice.
    TemplatesPage* page = templatesPage();
    if (m_wizard.state().CurrentStep != kTemplatesPage || page->AssignmentsGroupCombo->currentIndex() < 0)
        return;
    const auto groupId = static_cast<qint16>(page->AssignmentsGroupCombo->currentData().toInt());
    beginPageWork();
    const QString answer = m_queries.QueryResourcesByGroup(groupId);
    FillAssignmentUsers(page->AssignmentUsersListView, page->AddedAssignmentsListView, answer);
    endPageWork();
}

void TemplateAssignments::AddNewAssignmentCommand_Click()
{
    TemplatesPage* page = templatesPage();
    // Without a role (a template without roles, a failed role query) there is nothing to hand out.
    if (page->RolesCombo->currentIndex() < 0)
        return;
    const qint32 roleId = page->RolesCombo->currentData().toInt();
    const QString roleText = page->RolesCombo->currentText();
    QTreeWidget* available = page->AssignmentUsersListView;
    int lastMoved = -1;
    for (int i = available->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* item = available->topLevelItem(i);
        if (!item->isSelected())
            continue;
        addPeopleItem(page->AddedAssignmentsListView,
                      people::assignmentItem(peopleItemOf(item), roleId, roleText));
        delete item;
        lastMoved = i;
    }
    // The user can go on assigning from where the moved users were.
    const int next = rowAfterMove(lastMoved, available->topLevelItemCount());
    if (next < 0)
        return;
    available->clearSelection();
    available->setCurrentItem(available->topLevelItem(next));
    available->topLevelItem(next)->setSelected(true);
}

void TemplateAssignments::DelAssignmentCommand_Click()
{
    TemplatesPage* page = templatesPage();
    QTreeWidget* assignments = page->AddedAssignmentsListView;
    for (int i = assignments->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* item = assignments->topLevelItem(i);
        if (!item->isSelected())
            continue;
        const PeopleItem assignment = peopleItemOf(item);
        const int role = page->RolesCombo->findData(people::assignmentRoleId(assignment.key));
        const QString roleText = role < 0 ? QString() : page->RolesCombo->itemText(role);
        addPeopleItem(page->AssignmentUsersListView, people::userItemOfAssignment(assignment, roleText));
        delete item;
    }
}

} // namespace kitbench
