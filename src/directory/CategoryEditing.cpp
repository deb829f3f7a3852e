#include "directory/CategoryEditing.h"

#include "directory/CategoryList.h"
#include "directory/DictionaryAnswer.h"
#include "directory/DictionaryEntries.h"
#include "directory/DirectoryRequests.h"
#include "directory/DlgAddCategory.h"
#include "items/ItemPageFill.h"
#include "platform/DialogService.h"
#include "shell/Controls.h"
#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"
#include "shell/WizardPage.h"
#include "shell/frmWizard.h"

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace kitbench {

namespace {

constexpr int kProjectPageStep = 8;

template <typename W> W* findControl(const frmWizard& wizard, int step, const QString& name)
{
    WizardPage* page = wizard.page(step);
    return page ? page->findChild<W*>(name) : nullptr;
}

} // namespace

CategoryEditing::CategoryEditing(frmWizard& wizard) : QObject(&wizard), m_wizard(wizard)
{
    for (int kind = Clients; kind <= ProjectCategories; ++kind) {
        auto* button = findControl<QPushButton>(m_wizard, pageStepOf(kind), openerButtonOf(kind));
        if (button)
            connect(button, &QPushButton::clicked, this, [this, kind] { EditCategoryList(kind); });
    }
}

CategoryEditing* CategoryEditing::attach(frmWizard& wizard)
{
    if (auto* existing = wizard.findChild<CategoryEditing*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new CategoryEditing(wizard);
}

qint16 CategoryEditing::catIdOf(int kind)
{
    static constexpr qint16 ids[] = {0, 7, 5, 4, 3};
    return kind >= Clients && kind <= ProjectCategories ? ids[kind] : 0;
}

QString CategoryEditing::openerButtonOf(int kind)
{
    static const char* const names[] = {"CommandAddClient", "CommandIssueCategory", "CommandAddTaskCategory",
                                        "CommandAddEventCategory", "CommandAddProjectCategory"};
    return kind >= Clients && kind <= ProjectCategories ? QString::fromLatin1(names[kind]) : QString();
}

QString CategoryEditing::sourceListOf(int kind)
{
    static const char* const names[] = {"ProjectClientCombo", "IncidentCategoryListView",
                                        "TaskCategoryListView", "EventCategoryListView",
                                        "ProjectCatagoryListView"};
    return kind >= Clients && kind <= ProjectCategories ? QString::fromLatin1(names[kind]) : QString();
}

int CategoryEditing::pageStepOf(int kind) const
{
    switch (kind) {
    case IncidentCategories:
        return 1 + CREATEINCIDENT;
    case TaskCategories:
        return 1 + CREATETASK;
    case EventCategories:
        return 1 + CREATEEVENT;
    default:
        return kProjectPageStep;
    }
}

QList<CategoryEditorEntry> CategoryEditing::currentEntries(int kind) const
{
    QList<CategoryEditorEntry> entries;
    const int step = pageStepOf(kind);
    if (kind == Clients) {
        if (auto* combo = findControl<QComboBox>(m_wizard, step, sourceListOf(kind)))
            for (int i = 0; i < combo->count(); ++i) {
                const int data = combo->itemData(i).toInt();
                if (data != 0)
                    entries.append({QStringLiteral("C") + QString::number(data), combo->itemText(i)});
            }
        return entries;
    }
    if (auto* list = findControl<QTreeWidget>(m_wizard, step, sourceListOf(kind)))
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            entries.append({item->data(0, ItemKeyRole).toString(), item->text(0)});
        }
    return entries;
}

void CategoryEditing::EditCategoryList(int kind)
{
    DlgAddCategory dialog(&m_wizard);
    dialog.setClientKind(kind == Clients);
    dialog.catId = catIdOf(kind);
    dialog.Form_Load(currentEntries(kind));
    SoapSession& session = m_wizard.session();
    dialog.soapclient = session.soapclient();
    dialog.soapheader = session.soapheader();
    session.setCallback(&dialog);
    DialogService::instance().exec(dialog);
    session.restoreCallback();
    if (dialog.dlgResult == 1 && dialog.ChangesWereMade)
        reload(kind);
}

void CategoryEditing::reload(int kind)
{
    const int step = pageStepOf(kind);
    QProgressBar* bar = m_wizard.progressBar();
    bar->setRange(0, 4);
    bar->setValue(0);
    bar->setVisible(true);
    m_wizard.LockPage(step, true);
    SoapSession& session = m_wizard.session();
    const WizardState& state = m_wizard.state();
    const std::optional<ServerCall> call =
        kind == Clients ? loadDictionariesCall(GetLocalizedText(12), state.RunMode, state.ImportNewProject)
                        : categoryListCall(state.RunMode, state.ImportNewProject);
    SoapCallResult result;
    if (call) {
        QVariantList arguments = call->arguments;
        result = session.call(call->method, arguments);
    }
    if (session.CheckSoapOutcome(result)) {
        const QString xml = call ? result.result.toString() : QString();
        if (kind == Clients) {
            if (const auto answer = DictionaryAnswer::parse(xml))
                if (auto* combo = findControl<QComboBox>(m_wizard, step, sourceListOf(kind)))
                    ItemPageFill::fillCombo(combo,
                                            projectClientEntriesAfterEdit(*answer, state.ServerVersion));
        } else if (auto* list = findControl<QTreeWidget>(m_wizard, step, sourceListOf(kind))) {
            ItemPageFill::fillCheckList(list, categoryRows(xml));
        }
    }
    m_wizard.LockPage(step, false);
    bar->setVisible(false);
}

} // namespace kitbench
